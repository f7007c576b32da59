#include "tools/lir-controller-sim/SimulatorLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

bool makeRaw(int fd, speed_t speed)
{
    termios settings = {};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

speed_t speedOf(int baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}
} // namespace

SimulatorLine::~SimulatorLine()
{
    if (m_KeptSlaveFd >= 0)
        close(m_KeptSlaveFd);
    if (m_LineFd >= 0)
        close(m_LineFd);
}

bool SimulatorLine::create(QString& error)
{
    m_LineFd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_LineFd < 0 || grantpt(m_LineFd) != 0 || unlockpt(m_LineFd) != 0) {
        error = systemError("cannot create a pseudo-terminal");
        return false;
    }
    const char* slaveName = ptsname(m_LineFd);
    if (!slaveName) {
        error = systemError("cannot name the pseudo-terminal");
        return false;
    }
    m_Path = QString::fromLocal8Bit(slaveName);
    m_KeptSlaveFd = open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_KeptSlaveFd < 0 || !makeRaw(m_KeptSlaveFd, B9600)) {
        error = systemError("cannot set up the pseudo-terminal");
        return false;
    }
    return fcntl(m_LineFd, F_SETFL, O_NONBLOCK) == 0;
}

bool SimulatorLine::openDevice(const QString& path, int baud, QString& error)
{
    m_Path = path;
    m_LineFd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_LineFd < 0) {
        error = systemError("cannot open the device");
        return false;
    }
    if (isatty(m_LineFd) && !makeRaw(m_LineFd, speedOf(baud))) {
        error = systemError("cannot set up the device");
        return false;
    }
    return true;
}

int SimulatorLine::untakenBytes() const
{
    // What waits in the slave side of a pseudo-terminal is the editor's to
    // read; a serial device holds it in its output queue.
    int count = 0;
    const bool known = m_KeptSlaveFd >= 0 ? ioctl(m_KeptSlaveFd, FIONREAD, &count) == 0
                                          : ioctl(m_LineFd, TIOCOUTQ, &count) == 0;
    return known ? count : 0;
}
