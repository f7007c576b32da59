#include "link/ControllerPort.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {
QStringList& deviceOverride()
{
    static QStringList devices;
    return devices;
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

QList<ControllerPort> ControllerPort::available()
{
    QList<ControllerPort> ports;
    if (deviceOverride().isEmpty()) {
        const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo& info : systemPorts)
            ports.append(fromInfo(info));
    } else {
        for (const QString& device : qAsConst(deviceOverride()))
            ports.append(fromDevice(device));
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
