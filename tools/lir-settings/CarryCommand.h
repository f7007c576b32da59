#pragma once

#include "tools/lir-settings/ToolCommand.h"

// `lir-settings carry [--html PAGE] FROM ONTO -o OUT`: OUT is ONTO with
// FROM's values carried over, setting by matching setting; each of FROM and
// ONTO is a file or "port:DEV". Exit code 0 when every setting of FROM found
// its place, 1 when something was refused or dropped, 2 on errors.
class CarryCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("carry"); }
    QString arguments() const override { return QStringLiteral("[--html PAGE] FROM ONTO -o OUT"); }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};
