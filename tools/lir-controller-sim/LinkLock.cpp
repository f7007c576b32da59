#include "tools/lir-controller-sim/LinkLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The first line of every lock file, so that a file of the same name that
// is not one is never taken over.
const QByteArray kMarker = QByteArrayLiteral("lir-controller-sim link\n");
constexpr int kAttempts = 5;
constexpr int kLargestRecord = 4096;

QString reason()
{
    return QString::fromLocal8Bit(strerror(errno));
}
} // namespace

LinkLock::~LinkLock()
{
    if (m_Fd < 0)
        return;
    if (namesLockedFile())
        unlink(m_Path.constData());
    close(m_Fd);
}

bool LinkLock::acquire(const QByteArray& path, QString& error)
{
    m_Path = path;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const Opened opened = openLocked(error);
        if (opened == Opened::Locked)
            return readRecord(error);
        if (opened == Opened::Failed)
            return false;
    }
    error = QStringLiteral("%1 keeps being replaced").arg(QString::fromLocal8Bit(path));
    return false;
}

LinkLock::Opened LinkLock::openLocked(QString& error)
{
    const QString name = QString::fromLocal8Bit(m_Path);
    m_Created = true;
    int fd = open(m_Path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
        // Opening a device or a FIFO may have effects of its own: only a
        // regular file is opened, and never through a symbolic link.
        struct stat status = {};
        if (lstat(m_Path.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
            error = QStringLiteral("%1 is no lock file of lir-controller-sim").arg(name);
            return Opened::Failed;
        }
        m_Created = false;
        fd = open(m_Path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT)
            return Opened::Replaced;
    }
    if (fd < 0) {
        error = QStringLiteral("cannot open %1: %2").arg(name, reason());
        return Opened::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK
                    ? QStringLiteral("another lir-controller-sim serves the link (%1 is locked)")
                          .arg(name)
                    : QStringLiteral("cannot lock %1: %2").arg(name, reason());
        close(fd);
        return Opened::Failed;
    }
    m_Fd = fd;
    if (namesLockedFile())
        return Opened::Locked;
    close(m_Fd);
    m_Fd = -1;
    return Opened::Replaced;
}

bool LinkLock::readRecord(QString& error)
{
    if (m_Created)
        return true;
    char bytes[kLargestRecord];
    const ssize_t size = pread(m_Fd, bytes, sizeof bytes, 0);
    const QByteArray text(bytes, int(qMax<ssize_t>(size, 0)));
    if (size < 0 || !text.startsWith(kMarker)) {
        error = QStringLiteral("%1 is no lock file of lir-controller-sim")
                    .arg(QString::fromLocal8Bit(m_Path));
        // The file is someone else's: it is left as it was.
        close(m_Fd);
        m_Fd = -1;
        return false;
    }
    m_Recorded = text.mid(kMarker.size()).trimmed();
    return true;
}

bool LinkLock::record(const QByteArray& target, QString& error)
{
    const QByteArray text = kMarker + target + '\n';
    if (ftruncate(m_Fd, 0) != 0 ||
        pwrite(m_Fd, text.constData(), size_t(text.size()), 0) != ssize_t(text.size())) {
        error = QStringLiteral("cannot write %1: %2").arg(QString::fromLocal8Bit(m_Path), reason());
        return false;
    }
    return true;
}

bool LinkLock::namesLockedFile() const
{
    struct stat locked = {};
    struct stat named = {};
    return fstat(m_Fd, &locked) == 0 && lstat(m_Path.constData(), &named) == 0 &&
           locked.st_dev == named.st_dev && locked.st_ino == named.st_ino;
}
