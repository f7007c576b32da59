#pragma once

#include <QByteArray>
#include <QString>

// A symbolic link at a path of the user's choice to the line the emulator
// serves, so that the editor can be pointed at a path that stays the same
// from run to run. Removed when the emulator ends, unless it no longer
// points at this emulator's line.
class SimulatorLink
{
public:
    SimulatorLink() = default;
    ~SimulatorLink();
    SimulatorLink(const SimulatorLink&) = delete;
    SimulatorLink& operator=(const SimulatorLink&) = delete;

    // Makes `linkPath` point at `target`. A link already there (left by an
    // emulator that was killed) is replaced; anything else is refused.
    bool create(const QString& linkPath, const QString& target, QString& error);

private:
    QByteArray m_Path;
    QByteArray m_Target;
};
