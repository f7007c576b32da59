#include "tools/lir-settings/DiffCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "document/DifferenceReport.h"
#include "document/LoadedDocument.h"
#include "document/SettingsComparison.h"
#include "tools/lir-settings/CommandArguments.h"
#include "tools/lir-settings/DocumentSource.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QTextStream>

LIR_TOOL_COMMAND(DiffCommand)

namespace {
const char* const kUsage = "Usage: lir-settings diff [--all] [--html OUT] A B\n";

struct DiffArguments
{
    bool all = false;
    QString html;
    QStringList sides;

    bool parse(const QStringList& args, QString& problem)
    {
        CommandArguments arguments({QStringLiteral("--all")}, {QStringLiteral("--html")});
        if (!arguments.parse(args, problem))
            return false;
        all = arguments.has(QStringLiteral("--all"));
        html = arguments.value(QStringLiteral("--html"));
        sides = arguments.positionals();
        return sides.size() == 2;
    }
};
} // namespace

QString DiffCommand::summary() const
{
    return QStringLiteral("print the settings that differ between two documents or controllers");
}

QString DiffCommand::help() const
{
    return QStringLiteral(
        "Compares the settings documents A and B setting by setting. Each is a\n"
        "settings file, \"-\" for standard input, or port:DEV, the document read out\n"
        "of the controller on DEV as \"Считать из контроллера\" reads it. A document\n"
        "whose element is not lir1Settings is no settings document.\n"
        "\n"
        "Containers are matched by their path, the names from the top-level\n"
        "container down joined by \"/\" (a second sibling of the same name is NAME#2);\n"
        "settings by path and name, with \" [KEY]\" added to the name where it\n"
        "repeats within its container (\" #2\" where name and key repeat). Numbers\n"
        "compare by value at their resolution 10^e (7.5 equals 7.50 when e is -2),\n"
        "flags item by item, enums by the chosen item's name, the rest as text.\n"
        "\n"
        "One line per difference: first the document element's, then the settings\n"
        "that differ, container by container in A's order, then what only A has (-)\n"
        "and what only B has (+):\n"
        "  formatVerMaj: A -> B                     (also symbols)\n"
        "  PATH / NAME: VALUE_A -> VALUE_B          a value\n"
        "  PATH / NAME: declared FIELD: A -> B      kind, measure, min, max, e, lenMax,\n"
        "                                           letters, key, items, conditions\n"
        "  - PATH (container)    + PATH (container)\n"
        "  - PATH / NAME: VALUE  + PATH / NAME: VALUE\n"
        "A changed flags value lists the changed items (\"Out 2 clear -> Out 2 set\");\n"
        "an empty value reads \"\".\n"
        "\n"
        "Settings and containers hidden by their conditions right after loading are\n"
        "left out, as the report leaves them out; with --all they are shown and\n"
        "marked \" (hidden)\". A setting hidden on one side only is always shown,\n"
        "marked \" (hidden in A)\" or \" (hidden in B)\".\n"
        "\n"
        "  --all        include hidden settings and containers\n"
        "  --html OUT   also write the differences as an HTML table to OUT (replaced\n"
        "               as a whole; a device or a pipe is written into); OUT \"-\"\n"
        "               writes the table to standard output in place of the lines.\n"
        "               OUT may not be A or B itself.\n"
        "\n"
        "Exit status: 0 when the documents are equal, 1 when they differ, 2 on bad\n"
        "arguments, when a document cannot be read or is no settings document, when\n"
        "the controller cannot be read, or when OUT cannot be written.\n");
}

bool DiffCommand::snapshotOf(const QString& source, SettingsModel& snapshot, QTextStream& err)
{
    LoadedDocument loaded;
    if (!DocumentSource::load(source, loaded, err))
        return false;
    snapshot = loaded.model();
    return true;
}

ExitCode DiffCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    DiffArguments arguments;
    QString problem;
    if (!arguments.parse(args, problem)) {
        if (!problem.isEmpty())
            err << "lir-settings diff: " << problem << '\n';
        err << kUsage;
        return ExitCode::Error;
    }
    for (const QString& side : arguments.sides) {
        if (!arguments.html.isEmpty() && !DocumentSource::isPort(side) &&
            !ToolOutput::apart(name(), side, arguments.html, err))
            return ExitCode::Error;
    }
    PrintingDialogs dialogs(err);
    SettingsModel snapshots[2];
    for (int i = 0; i < 2; ++i) {
        dialogs.setSource(DocumentSource::name(arguments.sides.at(i)));
        if (!snapshotOf(arguments.sides.at(i), snapshots[i], err))
            return ExitCode::Error;
    }
    const QVector<SettingsComparison::Difference> differences =
        SettingsComparison::compare(snapshots[0], snapshots[1], arguments.all);
    if (arguments.html != QLatin1String("-"))
        out << DifferenceReport::text(differences);
    if (!arguments.html.isEmpty()) {
        const QString page =
            DifferenceReport::html(differences, arguments.sides.at(0), arguments.sides.at(1));
        if (!ToolOutput::write(name(), arguments.html, page.toUtf8(), out, err))
            return ExitCode::Error;
    }
    return differences.isEmpty() ? ExitCode::Success : ExitCode::Failure;
}
