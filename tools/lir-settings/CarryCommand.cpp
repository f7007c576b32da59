#include "tools/lir-settings/CarryCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "document/LoadedDocument.h"
#include "merge/SettingsCarry.h"
#include "tools/lir-settings/CarryOutput.h"
#include "tools/lir-settings/CommandArguments.h"
#include "tools/lir-settings/DocumentSource.h"

#include <QTextStream>

LIR_TOOL_COMMAND(CarryCommand)

namespace {
const char* const kUsage = "Usage: lir-settings carry [--html PAGE] FROM ONTO -o OUT\n";
}

QString CarryCommand::summary() const
{
    return QStringLiteral("carry the values of one document into another (a new firmware's)");
}

QString CarryCommand::help() const
{
    return QStringLiteral(
        "Writes to OUT the document ONTO with the values of FROM carried over,\n"
        "setting by matching setting, as after a firmware update the old values go\n"
        "into the new firmware's default document. FROM and ONTO are each a\n"
        "settings file, \"-\" for standard input, or port:DEV, the document read out\n"
        "of the controller on DEV. Settings match as diff matches them: container\n"
        "path, name, and [KEY] where a name repeats; a container that moved to\n"
        "another path is not guessed.\n"
        "\n"
        "Only the values of OUT differ from ONTO saved by the editor: format\n"
        "version, declarations, conditions, comments and attribute order stay.\n"
        "Each setting of ONTO is\n"
        "  carried   FROM's value is written;\n"
        "  kept      FROM has no such setting, or holds the same value;\n"
        "  refused   ONTO's declaration does not take FROM's value (another kind,\n"
        "            outside the limits or the resolution, no such item key, too\n"
        "            long, letters not admitted, not an address): ONTO's value\n"
        "            stays.\n"
        "Each setting of FROM that ONTO lacks is dropped. Flags carry item by item\n"
        "by key, enums by key; hidden settings carry like any other.\n"
        "\n"
        "Standard output gets the count of each outcome, then a line for each\n"
        "refused and dropped setting and for each flags item one side lacks:\n"
        "  carried 12, kept 240, refused 1, dropped 1\n"
        "  refused PATH / NAME: REASON\n"
        "  dropped PATH / NAME: VALUE\n"
        "  dropped PATH / NAME: item ITEM (KEY): STATE    only FROM has the item\n"
        "  new PATH / NAME: item ITEM (KEY): STATE        only ONTO has it\n"
        "\n"
        "  -o OUT       the carried document (replaced as a whole; a device or a\n"
        "               pipe is written into; \"-\" is standard output, and the\n"
        "               lines go to standard error). OUT may not be FROM or ONTO.\n"
        "  --html PAGE  also write the lines as an HTML page to PAGE; \"-\" puts\n"
        "               the page on standard output in place of the lines.\n"
        "\n"
        "Exit status: 0 when every setting of FROM found its place, 1 when\n"
        "something was refused or dropped, 2 on bad arguments, when a document\n"
        "cannot be read or is no settings document, when the controller cannot be\n"
        "read, or when OUT or PAGE cannot be written.\n");
}

ExitCode CarryCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    CommandArguments arguments({}, {QStringLiteral("-o"), QStringLiteral("--html")});
    QString problem;
    const QString output = QStringLiteral("-o");
    if (!arguments.parse(args, problem) || arguments.positionals().size() != 2 ||
        !arguments.has(output)) {
        if (!problem.isEmpty())
            err << "lir-settings carry: " << problem << '\n';
        err << kUsage;
        return ExitCode::Error;
    }
    const QStringList sources = arguments.positionals();
    const QString html = arguments.value(QStringLiteral("--html"));
    if (!CarryOutput::apart(name(), sources, arguments.value(output), html, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    LoadedDocument documents[2];
    for (int i = 0; i < 2; ++i) {
        dialogs.setSource(DocumentSource::name(sources.at(i)));
        if (!DocumentSource::load(sources.at(i), documents[i], err))
            return ExitCode::Error;
    }
    const CarryReport report = SettingsCarry::carry(documents[0].model(), documents[1]);
    return CarryOutput::finish(name(), documents[1], report, arguments.value(output), html, out,
                               err);
}
