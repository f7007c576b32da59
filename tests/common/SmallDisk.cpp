#include "common/SmallDisk.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

SmallDisk::SmallDisk(int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    if (mount("tmpfs", QFile::encodeName(m_Dir.path()).constData(), "tmpfs", 0,
              options.constData()) == 0)
        m_Mounted = true;
    else
        m_Failure = QString::fromLocal8Bit(strerror(errno));
}

SmallDisk::~SmallDisk()
{
    if (m_Mounted)
        umount2(QFile::encodeName(m_Dir.path()).constData(), MNT_DETACH);
}
