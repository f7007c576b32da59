#pragma once

#include "tools/lir-settings/ToolCommand.h"

// `lir-settings read --port DEV [-o FILE]`: reads the settings document out
// of the controller on DEV as "Считать из контроллера" does, into FILE
// (replaced as a whole) or to standard output.
class ReadCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("read"); }
    QString arguments() const override { return QStringLiteral("--port DEV [-o FILE]"); }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};
