#include "tools/lir-settings/MergeCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "document/LoadedDocument.h"
#include "merge/SettingsMerge.h"
#include "tools/lir-settings/CarryOutput.h"
#include "tools/lir-settings/CommandArguments.h"
#include "tools/lir-settings/DocumentSource.h"

#include <QTextStream>

LIR_TOOL_COMMAND(MergeCommand)

namespace {
const char* const kUsage = "Usage: lir-settings merge [--html PAGE] BASE OURS THEIRS -o OUT\n"
                           "       lir-settings merge --git BASE OURS THEIRS\n";
}

QString MergeCommand::summary() const
{
    return QStringLiteral("merge two changed versions of a document (also as a git driver)");
}

QString MergeCommand::help() const
{
    return QStringLiteral(
        "Merges the changes OURS and THEIRS made to their common ancestor BASE,\n"
        "setting by matching setting (as diff matches and compares them), and\n"
        "writes the result to OUT. Structure and declarations come from THEIRS:\n"
        "only the values of OUT differ from THEIRS saved by the editor. Each is a\n"
        "settings file, \"-\" for standard input, or port:DEV. Each setting of\n"
        "THEIRS is\n"
        "  unchanged  changed by neither: THEIRS's value;\n"
        "  ours       changed in OURS only: OURS's value, carried as carry carries\n"
        "             it, or refused when THEIRS's declaration does not take it;\n"
        "  theirs     changed in THEIRS only: THEIRS's value;\n"
        "  both       the same change in both: that value;\n"
        "  conflict   different changes: OURS's value is kept and listed with\n"
        "             all three values.\n"
        "A change of OURS to a setting THEIRS lacks is dropped.\n"
        "\n"
        "Standard output gets the count of each outcome, then a line for each\n"
        "conflict, refusal and dropped change:\n"
        "  conflict PATH / NAME: base \"B\", ours \"O\", theirs \"T\"\n"
        "  refused PATH / NAME: REASON\n"
        "  dropped PATH / NAME: VALUE\n"
        "\n"
        "  -o OUT       the merged document (replaced as a whole; \"-\" is standard\n"
        "               output, and the lines go to standard error). OUT may not\n"
        "               be an input.\n"
        "  --html PAGE  also write the lines as an HTML page to PAGE.\n"
        "  --git        run as a git merge driver: the result goes into OURS\n"
        "               (git's %A). In .gitattributes:  *.xml merge=lir-settings\n"
        "               and: git config merge.lir-settings.driver\n"
        "                        'lir-settings merge --git %O %A %B'\n"
        "\n"
        "Exit status: 0 when the merge is clean, 1 on conflicts, refusals or\n"
        "dropped changes (OUT is written all the same), 2 on bad arguments, when a\n"
        "document cannot be read or is no settings document, or when OUT or PAGE\n"
        "cannot be written.\n");
}

ExitCode MergeCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString outputOption = QStringLiteral("-o");
    const QString gitOption = QStringLiteral("--git");
    CommandArguments arguments({gitOption}, {outputOption, QStringLiteral("--html")});
    QString problem;
    const bool git = arguments.parse(args, problem) && arguments.has(gitOption);
    if (!problem.isEmpty() || arguments.positionals().size() != 3 ||
        git == arguments.has(outputOption)) {
        if (!problem.isEmpty())
            err << "lir-settings merge: " << problem << '\n';
        err << kUsage;
        return ExitCode::Error;
    }
    const QStringList sources = arguments.positionals();
    const QString html = arguments.value(QStringLiteral("--html"));
    // As a git driver the result replaces OURS, which is read whole first.
    const QString output = git ? sources.at(1) : arguments.value(outputOption);
    const QStringList inputs = git ? QStringList{sources.at(0), sources.at(2)} : sources;
    if (!CarryOutput::apart(name(), inputs, output, html, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    LoadedDocument documents[3];
    for (int i = 0; i < 3; ++i) {
        dialogs.setSource(DocumentSource::name(sources.at(i)));
        if (!DocumentSource::load(sources.at(i), documents[i], err))
            return ExitCode::Error;
    }
    const CarryReport report =
        SettingsMerge::merge(documents[0].model(), documents[1].model(), documents[2]);
    return CarryOutput::finish(name(), documents[2], report, output, html, out, err);
}
