#include "link/ControllerPort.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <sys/stat.h>

namespace {
QStringList& deviceOverride()
{
    static QStringList devices;
    return devices;
}

// A serial line is a character device; a file or a folder named by mistake
// is not offered, and a symbolic link counts by what it points at.
bool isCharacterDevice(const QString& path)
{
    struct stat status = {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}
} // namespace

ControllerPort ControllerPort::fromInfo(const QSerialPortInfo& info)
{
    ControllerPort port;
    port.m_Description = info.description();
    port.m_PortName = info.portName();
    port.m_SystemLocation = info.systemLocation();
    return port;
}

ControllerPort ControllerPort::fromDevice(const QString& devicePath)
{
    const QString location = QFileInfo(devicePath).absoluteFilePath();
    const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : systemPorts) {
        if (info.systemLocation() == location)
            return fromInfo(info);
    }
    ControllerPort port;
    const QString devices = QStringLiteral("/dev/");
    port.m_PortName = location.startsWith(devices) ? location.mid(devices.size()) : location;
    port.m_SystemLocation = location;
    return port;
}

ControllerPort ControllerPort::fromExtraPath(const QString& devicePath)
{
    ControllerPort port;
    port.m_SystemLocation = QFileInfo(devicePath).absoluteFilePath();
    port.m_PortName = port.m_SystemLocation;
    return port;
}

QList<ControllerPort> ControllerPort::available()
{
    QList<ControllerPort> ports;
    if (!deviceOverride().isEmpty()) {
        for (const QString& device : qAsConst(deviceOverride()))
            ports.append(fromDevice(device));
        return ports;
    }
    const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
    QStringList locations;
    for (const QSerialPortInfo& info : systemPorts) {
        ports.append(fromInfo(info));
        locations.append(info.systemLocation());
    }
    // Devices the system does not enumerate, such as the emulator's
    // pseudo-terminal, named by the user.
    const QStringList extra = QString::fromLocal8Bit(qgetenv("LIR_EXTRA_PORTS"))
                                  .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& path : extra) {
        const ControllerPort port = fromExtraPath(path);
        if (isCharacterDevice(path) && !locations.contains(port.m_SystemLocation)) {
            ports.append(port);
            locations.append(port.m_SystemLocation);
        }
    }
    return ports;
}

void ControllerPort::setDeviceOverride(const QStringList& devicePaths)
{
    deviceOverride() = devicePaths;
}

bool ControllerPort::isUsable() const
{
    return !isNull() && QFileInfo::exists(m_SystemLocation);
}

QString ControllerPort::displayName() const
{
    return m_Description + QLatin1Char(' ') + m_PortName;
}

bool ControllerPort::open(QSerialPort& port) const
{
    port.setPortName(m_SystemLocation);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.clear(QSerialPort::AllDirections);
    return true;
}
