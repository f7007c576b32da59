#include "tools/lir-controller-sim/SimulatorLink.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

SimulatorLink::~SimulatorLink()
{
    if (m_Path.isEmpty())
        return;
    char target[4096];
    const ssize_t size = readlink(m_Path.constData(), target, sizeof target);
    if (size >= 0 && QByteArray(target, int(size)) == m_Target)
        unlink(m_Path.constData());
}

bool SimulatorLink::create(const QString& linkPath, const QString& target, QString& error)
{
    const QByteArray path = linkPath.toLocal8Bit();
    const QByteArray targetPath = target.toLocal8Bit();
    struct stat status = {};
    if (lstat(path.constData(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        error = QStringLiteral("%1 exists and is no symbolic link").arg(linkPath);
        return false;
    }
    // A new link under a name of its own, renamed over the old one, so that
    // the path never points nowhere.
    const QByteArray temporary = path + ".new-" + QByteArray::number(qint64(getpid()));
    unlink(temporary.constData());
    if (symlink(targetPath.constData(), temporary.constData()) != 0 ||
        rename(temporary.constData(), path.constData()) != 0) {
        error = QStringLiteral("cannot link %1: %2")
                    .arg(linkPath, QString::fromLocal8Bit(strerror(errno)));
        unlink(temporary.constData());
        return false;
    }
    m_Path = path;
    m_Target = targetPath;
    return true;
}
