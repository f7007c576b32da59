#include "tools/lir-controller-sim/SimulatorLink.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray linkTarget(const QByteArray& path)
{
    char target[4096];
    const ssize_t size = readlink(path.constData(), target, sizeof target);
    return size >= 0 ? QByteArray(target, int(size)) : QByteArray();
}

QString reason()
{
    return QString::fromLocal8Bit(strerror(errno));
}
} // namespace

SimulatorLink::~SimulatorLink()
{
    if (!m_Path.isEmpty() && linkTarget(m_Path) == m_Target)
        unlink(m_Path.constData());
}

bool SimulatorLink::create(const QString& linkPath, const QString& target, QString& error)
{
    const QByteArray path = linkPath.toLocal8Bit();
    const QByteArray targetPath = target.toLocal8Bit();
    if (!m_Lock.acquire(path + ".lock", error) || !removeLeftLink(linkPath, error) ||
        !m_Lock.record(targetPath, error))
        return false;
    if (symlink(targetPath.constData(), path.constData()) != 0) {
        error = QStringLiteral("cannot link %1: %2").arg(linkPath, reason());
        return false;
    }
    m_Path = path;
    m_Target = targetPath;
    return true;
}

bool SimulatorLink::removeLeftLink(const QString& linkPath, QString& error)
{
    const QByteArray path = linkPath.toLocal8Bit();
    struct stat status = {};
    if (lstat(path.constData(), &status) != 0) {
        if (errno == ENOENT)
            return true;
        error = QStringLiteral("cannot look at %1: %2").arg(linkPath, reason());
        return false;
    }
    // The lock is free, so the emulator that made the link it records is
    // gone; whatever else stands there belongs to someone else.
    const QByteArray recorded = m_Lock.recordedTarget();
    if (!S_ISLNK(status.st_mode) || recorded.isEmpty() || linkTarget(path) != recorded) {
        error = QStringLiteral("%1 exists and is no link left by lir-controller-sim").arg(linkPath);
        return false;
    }
    if (unlink(path.constData()) != 0) {
        error = QStringLiteral("cannot replace %1: %2").arg(linkPath, reason());
        return false;
    }
    return true;
}
