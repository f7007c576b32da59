#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of a few kilobytes (tmpfs) mounted on a temporary folder for
// the life of a test, where writes fail as on a full disk with the system's
// own reason. Mounting needs root; where it is refused the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_Mounted; }
    QString failure() const { return m_Failure; }
    QString filePath(const QString& name) const { return m_Dir.filePath(name); }
    QString path() const { return m_Dir.path(); }

private:
    QTemporaryDir m_Dir;
    bool m_Mounted = false;
    QString m_Failure;
};

#define MOUNT_SMALL_DISK(disk)                                                                     \
    if (!(disk).isMounted())                                                                       \
    QSKIP(qPrintable(QStringLiteral("no small disk for a full-disk case: ") + (disk).failure()))
