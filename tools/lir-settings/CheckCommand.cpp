#include "tools/lir-settings/CheckCommand.h"

#include "conditions/ConditionLint.h"
#include "dialogs/PrintingDialogs.h"
#include "document/LoadedDocument.h"
#include "lines/DocumentValueChecker.h"
#include "tools/lir-settings/CommandArguments.h"
#include "tools/lir-settings/DocumentSource.h"

#include <QDomDocument>
#include <QTextStream>

LIR_TOOL_COMMAND(CheckCommand)

namespace {
int printDocumentFindings(const QString& fileName, const LoadedDocument& loaded, QTextStream& out)
{
    int printed = 0;
    const QDomElement root = loaded.document().documentElement();
    if (!root.hasAttribute(QStringLiteral("formatVerMaj"))) {
        out << fileName << ':' << root.lineNumber()
            << ": the document element has no formatVerMaj\n";
        ++printed;
    }
    for (const DocumentValueChecker::Finding& finding :
         DocumentValueChecker(loaded.document()).findings(loaded.model())) {
        out << fileName << ':' << finding.line << ": setting \"" << finding.label << "\" in \""
            << finding.container << "\": " << finding.problem << '\n';
        ++printed;
    }
    for (const ConditionLint::Finding& finding : ConditionLint::findings(loaded.model())) {
        out << fileName << ':' << finding.line << ": " << finding.message << '\n';
        ++printed;
    }
    return printed;
}
} // namespace

QString CheckCommand::summary() const
{
    return QStringLiteral("load each document as the editor does; print its messages and findings");
}

QString CheckCommand::help() const
{
    return QStringLiteral(
        "Loads each FILE (\"-\" for standard input) as the editor does and prints\n"
        "every message the editor would show meanwhile, then every value a setting\n"
        "line would refuse and every visibility condition that cannot act, one per\n"
        "line as FILE:LINE: ... A document whose element is not lir1Settings is not\n"
        "a settings document, and one without formatVerMaj is a finding.\n"
        "\n"
        "Exit status: 0 when nothing was printed, 1 when something was, 2 when a file\n"
        "could not be read, on an unknown option or when no file was given.\n");
}

ExitCode CheckCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    CommandArguments arguments({}, {});
    QString problem;
    if (!arguments.parse(args, problem) || arguments.positionals().isEmpty()) {
        err << "lir-settings check: " << (problem.isEmpty() ? "no file given" : problem) << '\n'
            << "Usage: lir-settings check FILE...\n";
        return ExitCode::Error;
    }
    PrintingDialogs dialogs(out);
    bool unreadable = false;
    int findings = 0;
    for (const QString& fileName : arguments.positionals()) {
        const int checked = check(dialogs, fileName, out);
        if (checked < 0)
            unreadable = true;
        else
            findings += checked;
    }
    if (unreadable)
        return ExitCode::Error;
    return dialogs.printedCount() + findings == 0 ? ExitCode::Success : ExitCode::Failure;
}

int CheckCommand::check(PrintingDialogs& dialogs, const QString& fileName, QTextStream& out)
{
    dialogs.setSource(fileName);
    QByteArray text;
    if (!DocumentSource::readToLoad(fileName, text))
        return -1;
    LoadedDocument loaded;
    if (loaded.load(text) != LoadedDocument::Result::Loaded)
        return 0;
    const QString notSettings = DocumentSource::notSettingsDocument(loaded.document());
    if (!notSettings.isEmpty()) {
        out << fileName << ':' << notSettings << '\n';
        return 1;
    }
    loaded.tellLoadMessages();
    return printDocumentFindings(fileName, loaded, out);
}
