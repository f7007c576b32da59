#pragma once

#include "tools/lir-settings/ToolCommand.h"

// `lir-settings version --port DEV`: prints the settings version of the
// controller on DEV, asked as the editor's commands ask it.
class VersionCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("version"); }
    QString arguments() const override { return QStringLiteral("--port DEV"); }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};
