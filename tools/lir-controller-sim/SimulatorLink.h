#pragma once

#include "tools/lir-controller-sim/LinkLock.h"

#include <QByteArray>
#include <QString>

// A symbolic link at a path of the user's choice to the line the emulator
// serves, so that the editor can be pointed at a path that stays the same
// from run to run. The emulator holds the lock beside it while it runs and
// removes both when it ends, unless the link no longer points at its line.
class SimulatorLink
{
public:
    SimulatorLink() = default;
    ~SimulatorLink();
    SimulatorLink(const SimulatorLink&) = delete;
    SimulatorLink& operator=(const SimulatorLink&) = delete;

    // Makes `linkPath` point at `target`. A link that another emulator left
    // behind when it was killed is replaced; a link that a running emulator
    // serves, and any file that no emulator made, are refused.
    bool create(const QString& linkPath, const QString& target, QString& error);

private:
    bool removeLeftLink(const QString& linkPath, QString& error);

    LinkLock m_Lock;
    QByteArray m_Path;
    QByteArray m_Target;
};
