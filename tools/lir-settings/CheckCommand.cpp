#include "tools/lir-settings/CheckCommand.h"

#include "conditions/ConditionLint.h"
#include "lines/DocumentValueChecker.h"
#include "tools/lir-settings/HeadlessEditor.h"

#include <QDomDocument>
#include <QFile>
#include <QTextStream>

LIR_TOOL_COMMAND(CheckCommand)

namespace {
// Checks the document as it is stored: the load itself may rewrite values
// (a string longer than its editor admits is cut, for one).
int printDocumentFindings(const QString& fileName, QTextStream& out)
{
    QFile file(fileName);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return 0;
    int printed = 0;
    for (const DocumentValueChecker::Finding& finding : DocumentValueChecker(document).findings()) {
        out << fileName << ':' << finding.line << ": setting \"" << finding.label << "\" in \""
            << finding.container << "\": " << finding.problem << '\n';
        ++printed;
    }
    for (const ConditionLint::Finding& finding : ConditionLint::findings(document)) {
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
        "Loads each FILE as the editor does and prints every message the editor would\n"
        "show meanwhile, then every value a setting line would refuse and every\n"
        "visibility condition that cannot act, one per line as FILE:LINE: ...\n"
        "\n"
        "Exit status: 0 when nothing was printed, 1 when something was, 2 when a file\n"
        "could not be read or no file was given.\n");
}

ExitCode CheckCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << "lir-settings check: no file given\n"
            << "Usage: lir-settings check FILE...\n";
        return ExitCode::Error;
    }
    HeadlessEditor editor(out);
    bool unreadable = false;
    int findings = 0;
    for (const QString& fileName : args) {
        const XMLWork::LoadResult result = editor.load(fileName);
        if (result == XMLWork::LoadResult::Unreadable)
            unreadable = true;
        else if (result == XMLWork::LoadResult::Loaded)
            findings += printDocumentFindings(fileName, out);
    }
    if (unreadable)
        return ExitCode::Error;
    return editor.dialogs().printedCount() + findings == 0 ? ExitCode::Success : ExitCode::Failure;
}
