#pragma once

#include "tools/lir-settings/ToolCommand.h"

class SettingsModel;

// `lir-settings diff [--all] [--html OUT] A B`: the settings that differ
// between two documents, each a file or "port:DEV" (read out of the
// controller on DEV). Exit code 0 when they are equal, 1 when they differ,
// 2 on errors.
class DiffCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString arguments() const override { return QStringLiteral("[--all] [--html OUT] A B"); }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;

    // The snapshot of the document `source` ("port:DEV" or a file); false
    // with the reason said when it cannot be had or is no document.
    static bool snapshotOf(const QString& source, SettingsModel& snapshot, QTextStream& err);
};
