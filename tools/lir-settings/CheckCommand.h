#pragma once

#include "tools/lir-settings/ToolCommand.h"

class PrintingDialogs;

// `lir-settings check FILE...`: loads each document as the editor does and
// prints every message the editor would show meanwhile, then the values its
// lines would refuse and the conditions that cannot act. Exit code 0 when
// nothing was printed, 1 when something was, 2 when a file could not be
// read (or no file was given).
class CheckCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString arguments() const override { return QStringLiteral("FILE..."); }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;

private:
    // Checks one file; the number of lines printed besides the editor's
    // messages, -1 when the file could not be read.
    static int check(PrintingDialogs& dialogs, const QString& fileName, QTextStream& out);
};
