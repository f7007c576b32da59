#include "link/SerialPorts.h"

#include <QFileInfo>
#include <QSerialPort>

namespace {
QStringList& deviceOverride()
{
    static QStringList devices;
    return devices;
}
} // namespace

QList<QSerialPortInfo> SerialPorts::available()
{
    if (deviceOverride().isEmpty())
        return QSerialPortInfo::availablePorts();
    QList<QSerialPortInfo> ports;
    for (const QString& device : qAsConst(deviceOverride()))
        ports.append(QSerialPortInfo(device));
    return ports;
}

void SerialPorts::setDeviceOverride(const QStringList& devicePaths)
{
    deviceOverride() = devicePaths;
}

bool SerialPorts::isUsable(const QSerialPortInfo& info)
{
    return !info.isNull() && QFileInfo::exists(info.systemLocation());
}

QString SerialPorts::displayName(const QSerialPortInfo& info)
{
    return info.description() + QLatin1Char(' ') + info.portName();
}

bool SerialPorts::open(QSerialPort& port, const QSerialPortInfo& info)
{
    port.setPort(info);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.clear(QSerialPort::AllDirections);
    return true;
}
