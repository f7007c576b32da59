#pragma once

#include "tools/lir-settings/ExitCode.h"

#include <QString>
#include <QStringList>

class CarryReport;
class LoadedDocument;
class QTextStream;

// What carry and merge produce: the target document with its carried values
// written to OUT, and the report of the carry, as lines on standard output
// (on standard error when OUT is standard output) and as a page with
// --html PAGE ("-" puts the page on standard output in place of the lines).
class CarryOutput
{
public:
    // False, with the reason on `err`, when an output would overwrite one
    // of the input files `inputs` (port:DEV is none) or the other output,
    // or when both name one output.
    static bool apart(const QString& command, const QStringList& inputs, const QString& output,
                      const QString& html, QTextStream& err);

    // Writes the target and the report; 0 when the report is clean, 1 when
    // it holds findings, 2 when an output cannot be written.
    static ExitCode finish(const QString& command, const LoadedDocument& target,
                           const CarryReport& report, const QString& output, const QString& html,
                           QTextStream& out, QTextStream& err);
};
