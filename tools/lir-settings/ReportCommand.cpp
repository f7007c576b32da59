#include "tools/lir-settings/ReportCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "document/LoadedDocument.h"
#include "report/ReportPdf.h"
#include "report/ReportText.h"
#include "tools/lir-settings/CommandArguments.h"
#include "tools/lir-settings/DocumentSource.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QTextStream>

LIR_TOOL_COMMAND(ReportCommand)

namespace {
const char* const kUsage = "Usage: lir-settings report FILE [-o OUT]\n";

bool parseArguments(const QStringList& args, QString& input, QString& output, QString& problem)
{
    CommandArguments arguments({}, {QStringLiteral("-o")});
    if (!arguments.parse(args, problem) || arguments.positionals().size() != 1)
        return false;
    input = arguments.positionals().first();
    output = arguments.value(QStringLiteral("-o"));
    return true;
}

} // namespace

QString ReportCommand::summary() const
{
    return QStringLiteral("write the settings report of a document (HTML, or PDF for *.pdf)");
}

QString ReportCommand::help() const
{
    return QStringLiteral(
        "Loads FILE as \"Открыть\" does and writes the settings report the editor\n"
        "prints: HTML to standard output (also for OUT \"-\") or to OUT, PDF when OUT\n"
        "ends in \".pdf\". OUT is replaced as a whole or left as it was; a device or\n"
        "a pipe is written into. OUT may not be FILE itself.\n"
        "The editor's messages while loading go to standard error. FILE \"-\" is\n"
        "standard input; a document whose element is not lir1Settings is refused.\n"
        "\n"
        "Exit status: 0 when the report was written, 1 when FILE is no settings\n"
        "document, 2 on bad arguments or when FILE or OUT cannot be read or written.\n");
}

ExitCode ReportCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString input;
    QString output;
    QString problem;
    if (!parseArguments(args, input, output, problem)) {
        if (!problem.isEmpty())
            err << "lir-settings report: " << problem << '\n';
        err << kUsage;
        return ExitCode::Error;
    }
    if (output.isEmpty())
        output = QStringLiteral("-");
    if (!ToolOutput::apart(name(), input, output, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    dialogs.setSource(input);
    QByteArray text;
    if (!DocumentSource::readToLoad(input, text))
        return ExitCode::Error;
    LoadedDocument loaded;
    if (loaded.load(text) == LoadedDocument::Result::Refused)
        return ExitCode::Failure;
    const QString notSettings = DocumentSource::notSettingsDocument(loaded.document());
    if (!notSettings.isEmpty()) {
        err << "lir-settings report: " << input << ':' << notSettings << '\n';
        return ExitCode::Failure;
    }
    loaded.tellLoadMessages();
    const QString html = ReportText::of(loaded.model(), loaded.modelName());
    if (!output.endsWith(QLatin1String(".pdf")))
        return ToolOutput::write(name(), output, html.toUtf8(), out, err) ? ExitCode::Success
                                                                          : ExitCode::Error;
    QString reason;
    if (!ReportPdf::write(html, output, reason)) {
        ToolOutput::failed(name(), output, reason, err);
        return ExitCode::Error;
    }
    return ExitCode::Success;
}
