#pragma once

#include <QString>

// The line the emulator serves: a new pseudo-terminal (the editor opens its
// slave side) or an existing serial device. Both are in raw mode.
class SimulatorLine
{
public:
    SimulatorLine() = default;
    ~SimulatorLine();
    SimulatorLine(const SimulatorLine&) = delete;
    SimulatorLine& operator=(const SimulatorLine&) = delete;

    // Creates a pseudo-terminal. The emulator keeps one descriptor of the
    // slave side open itself, so the master does not hang up each time the
    // editor closes the port.
    bool create(QString& error);
    // Opens a serial device at `baud` (9600 when 0).
    bool openDevice(const QString& path, int baud, QString& error);

    // The descriptor the emulator reads requests from and writes replies to.
    int fd() const { return m_LineFd; }
    // The path the editor opens.
    QString path() const { return m_Path; }
    // The bytes sent that the other side has not read yet.
    int untakenBytes() const;

private:
    int m_LineFd = -1;
    int m_KeptSlaveFd = -1;
    QString m_Path;
};
