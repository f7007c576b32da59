#pragma once

#include <QByteArray>
#include <QString>

// The lock beside a --link: a file that the emulator serving the link holds
// locked (flock) while it runs and in which it records the link's target.
// The system drops the lock however the emulator ends, SIGKILL included, so
// a link whose lock is free was left behind and may be replaced.
class LinkLock
{
public:
    LinkLock() = default;
    // Removes the lock file, then lets the lock go.
    ~LinkLock();
    LinkLock(const LinkLock&) = delete;
    LinkLock& operator=(const LinkLock&) = delete;

    // Takes the lock at `path`, creating the file when there is none. False,
    // with `error` set, when another emulator holds it or when the file there
    // is not an emulator's lock file.
    bool acquire(const QByteArray& path, QString& error);
    // The target recorded by the emulator that held the lock before; empty
    // when the lock file is new.
    QByteArray recordedTarget() const { return m_Recorded; }
    // Records `target` as the target of the link made under the lock.
    bool record(const QByteArray& target, QString& error);

private:
    enum class Opened
    {
        Locked,
        Failed,
        Replaced // the file was removed by its holder meanwhile: try again
    };
    Opened openLocked(QString& error);
    bool readRecord(QString& error);
    bool namesLockedFile() const;

    QByteArray m_Path;
    int m_Fd = -1;
    bool m_Created = false;
    QByteArray m_Recorded;
};
