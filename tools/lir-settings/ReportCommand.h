#pragma once

#include "tools/lir-settings/ToolCommand.h"

// `lir-settings report FILE [-o OUT]`: loads the document as "Открыть" does
// (conditions included) and writes the report the editor prints: HTML to
// standard output, or to OUT; as PDF when OUT ends in ".pdf". The editor's
// messages while loading go to standard error.
class ReportCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("report"); }
    QString arguments() const override { return QStringLiteral("FILE [-o OUT]"); }
    QString summary() const override;
    QString help() const override;
    bool needsGui() const override { return true; }
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};
