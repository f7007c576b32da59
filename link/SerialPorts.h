#pragma once

#include <QList>
#include <QSerialPortInfo>
#include <QStringList>

class QSerialPort;

// The serial ports the controller commands may use, and the one way they
// open a port.
class SerialPorts
{
public:
    // The ports offered for a controller command, in the system's order:
    // the system's ports, or the devices set by setDeviceOverride.
    static QList<QSerialPortInfo> available();
    // Offers exactly these device paths instead of the system's ports (for
    // the tests and the emulator's pseudo-terminals); an empty list restores
    // the system's ports.
    static void setDeviceOverride(const QStringList& devicePaths);

    // A port that can still be found on the system.
    static bool isUsable(const QSerialPortInfo& info);
    // The port as the user sees it: description, one space, name.
    static QString displayName(const QSerialPortInfo& info);

    // Opens `info` for reading and writing with the serial module's default
    // line settings and clears both directions.
    static bool open(QSerialPort& port, const QSerialPortInfo& info);
};
