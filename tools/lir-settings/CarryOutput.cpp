#include "tools/lir-settings/CarryOutput.h"

#include "document/LoadedDocument.h"
#include "merge/CarryReport.h"
#include "tools/lir-settings/DocumentSource.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QTextStream>

namespace {
const QString kStandardOutput = QStringLiteral("-");
}

bool CarryOutput::apart(const QString& command, const QStringList& inputs, const QString& output,
                        const QString& html, QTextStream& err)
{
    if (output == html) {
        err << "lir-settings " << command << ": -o and --html name the same output " << output
            << '\n';
        return false;
    }
    for (const QString& input : inputs) {
        if (DocumentSource::isPort(input))
            continue;
        if (!ToolOutput::apart(command, input, output, err) ||
            (!html.isEmpty() && !ToolOutput::apart(command, input, html, err)))
            return false;
    }
    return html.isEmpty() || ToolOutput::apart(command, output, html, err);
}

ExitCode CarryOutput::finish(const QString& command, const LoadedDocument& target,
                             const CarryReport& report, const QString& output, const QString& html,
                             QTextStream& out, QTextStream& err)
{
    if (!ToolOutput::write(command, output, target.text(), out, err))
        return ExitCode::Error;
    if (html != kStandardOutput)
        (output == kStandardOutput ? err : out) << report.text();
    if (!html.isEmpty() &&
        !ToolOutput::write(command, html,
                           report.html(QStringLiteral("lir-settings ") + command).toUtf8(), out,
                           err))
        return ExitCode::Error;
    return report.clean() ? ExitCode::Success : ExitCode::Failure;
}
