#pragma once

#include <QByteArray>
#include <QString>

class QTextStream;

// Where the commands put what they produce: a file named on the command
// line, or standard output for "-", always through the one output module.
// The messages name the command ("lir-settings report: ...").
class ToolOutput
{
public:
    // Writes `bytes` to `target`; "-" is standard output, written after
    // what `out` holds. False, with the reason on `err`, when not written.
    static bool write(const QString& command, const QString& target, const QByteArray& bytes,
                      QTextStream& out, QTextStream& err);
    // Says on `err` that `target` could not be written, and why.
    static void failed(const QString& command, const QString& target, const QString& reason,
                       QTextStream& err);
    // False, with the reason on `err`, when writing `output` would
    // overwrite the input file `input`.
    static bool apart(const QString& command, const QString& input, const QString& output,
                      QTextStream& err);
    // Flushes `out`; false, with the reason on `err`, when standard output
    // took less than was written (a full disk, a closed pipe).
    static bool flushed(QTextStream& out, QTextStream& err);
};
