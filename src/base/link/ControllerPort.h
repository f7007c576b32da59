#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSerialPort;
class QSerialPortInfo;

// A serial port a controller command can use: a port the system reports, or
// a device named by its path (a pseudo-terminal of the emulator, a port
// given on the command line).
class ControllerPort
{
public:
    ControllerPort() = default;
    static ControllerPort fromInfo(const QSerialPortInfo& info);
    // The system's port at `devicePath` when it reports one there, else a
    // port without description.
    static ControllerPort fromDevice(const QString& devicePath);

    // The ports offered for a controller command, in the system's order: the
    // system's ports, then the character devices named in LIR_EXTRA_PORTS
    // (paths separated by colons; empty entries, other files and the
    // system's own ports are skipped), each shown by its path. Or only the
    // devices set by setDeviceOverride.
    static QList<ControllerPort> available();
    // A device named by the user: no description, its absolute path as name.
    static ControllerPort fromExtraPath(const QString& devicePath);
    // Offers exactly these device paths instead of the system's ports (for
    // the tests); an empty list restores the system's ports.
    static void setDeviceOverride(const QStringList& devicePaths);

    bool isNull() const { return m_SystemLocation.isEmpty(); }
    // The device can still be found.
    bool isUsable() const;
    // The port as the user sees it: description, one space, name.
    QString displayName() const;

    // The one way the controller commands open a port: read and write, the
    // serial module's default line settings, both directions cleared.
    bool open(QSerialPort& port) const;

private:
    QString m_Description;
    QString m_PortName;
    QString m_SystemLocation;
};
