#include "tools/lir-settings/WriteCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "document/DifferenceReport.h"
#include "document/LoadedDocument.h"
#include "document/SettingsComparison.h"
#include "lines/DocumentValueChecker.h"
#include "link/ControllerCommands.h"
#include "link/LinkMessages.h"
#include "tools/lir-settings/DocumentSource.h"
#include "tools/lir-settings/LinkToolArguments.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QDomDocument>
#include <QTextStream>

LIR_TOOL_COMMAND(WriteCommand)

QString WriteCommand::summary() const
{
    return QStringLiteral("write the settings document FILE into the controller on DEV");
}

QString WriteCommand::help() const
{
    return QStringLiteral(
        "Loads FILE as the editor does, checks its values and the controller's\n"
        "settings version, and writes it into the controller on DEV as \"Записать в\n"
        "контроллер\" does. FILE \"-\" is standard input.\n"
        "\n"
        "  --backup OUT   first read the controller's current document and save it\n"
        "                 to OUT (replaced as a whole; a device or a pipe is written\n"
        "                 into; \"-\" is standard output); when that read or that\n"
        "                 save fails, nothing is written. OUT may not be FILE itself.\n"
        "  --verify       after the write, read the document back and compare it\n"
        "                 with what was sent as text: every value, hidden ones\n"
        "                 too, and every other attribute and element exactly as\n"
        "                 sent; prints \"verified\" or every difference in the form\n"
        "                 of \"diff\" (PATH / NAME: SENT -> STORED)\n"
        "\n"
        "Exit status: 0 when written (and verified), 1 when the port, the link or\n"
        "the controller failed, the versions differ or the document read back\n"
        "differs, 2 on bad arguments, when FILE cannot be read, is no settings\n"
        "document or holds values its lines would refuse, or when OUT cannot be\n"
        "written.\n");
}

ExitCode WriteCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    LinkToolArguments arguments;
    arguments.takesWriteChecks = true;
    if (!arguments.parse(args, false, 1, err))
        return ExitCode::Error;
    const QString fileName = arguments.positionals.first();
    if (!arguments.backup.isEmpty() && !ToolOutput::apart(name(), fileName, arguments.backup, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    dialogs.setSource(fileName);
    QByteArray text;
    LoadedDocument loaded;
    if (!DocumentSource::readToLoad(fileName, text) ||
        loaded.load(text) != LoadedDocument::Result::Loaded)
        return ExitCode::Error;
    const QString notSettings = DocumentSource::notSettingsDocument(loaded.document());
    if (!notSettings.isEmpty()) {
        err << "lir-settings write: " << fileName << ':' << notSettings << '\n';
        return ExitCode::Error;
    }
    loaded.tellLoadMessages();
    if (reportRefusedValues(fileName, loaded.document(), err))
        return ExitCode::Error;
    dialogs.setSource(arguments.port);
    if (!arguments.backup.isEmpty()) {
        const ExitCode backedUp = backUp(arguments.port, arguments.backup, out, err);
        if (backedUp != ExitCode::Success)
            return backedUp;
    }
    const QByteArray sent = loaded.text();
    const ControllerCommands::Result result = ControllerCommands().writeDocument(
        ControllerPort::fromDevice(arguments.port), sent, loaded.formatVersion());
    if (result != ControllerCommands::Result::Done)
        return ExitCode::Failure;
    UserDialogs::about(nullptr, LinkMessages::writeTitle(), LinkMessages::writeSucceededText());
    return arguments.verify ? verify(arguments.port, sent, out, err) : ExitCode::Success;
}

ExitCode WriteCommand::backUp(const QString& device, const QString& backupName, QTextStream& out,
                              QTextStream& err)
{
    QByteArray current;
    if (!DocumentSource::readPort(device, current)) {
        err << QStringLiteral("lir-settings write: документ контроллера не считан для резервной "
                              "копии, в контроллер ничего не записано\n");
        return ExitCode::Failure;
    }
    if (!ToolOutput::write(name(), backupName, current, out, err)) {
        err << QStringLiteral("lir-settings write: без резервной копии в контроллер ничего не "
                              "записано\n");
        return ExitCode::Error;
    }
    return ExitCode::Success;
}

ExitCode WriteCommand::verify(const QString& device, const QByteArray& sent, QTextStream& out,
                              QTextStream& err)
{
    QByteArray readBack;
    QDomDocument sentDocument;
    QDomDocument readDocument;
    if (!DocumentSource::readPort(device, readBack) ||
        !DocumentSource::parse(QStringLiteral("the sent document"), sent, sentDocument, err) ||
        !DocumentSource::parse(device, readBack, readDocument, err)) {
        err << QStringLiteral("lir-settings write: записанный документ не удалось проверить\n");
        return ExitCode::Failure;
    }
    // The controller's firmware may read texts differently from the editor,
    // so only the very text that was sent counts as stored.
    const QVector<SettingsComparison::Difference> differences = SettingsComparison::compare(
        sentDocument, readDocument, true, SettingsComparison::Mode::ExactText);
    if (differences.isEmpty()) {
        out << "verified\n";
        return ExitCode::Success;
    }
    out << DifferenceReport::text(differences);
    return ExitCode::Failure;
}

bool WriteCommand::reportRefusedValues(const QString& fileName, const QDomDocument& document,
                                       QTextStream& err)
{
    const QVector<DocumentValueChecker::Finding> findings =
        DocumentValueChecker(document).findings();
    for (const DocumentValueChecker::Finding& finding : findings)
        err << fileName << ':' << finding.line << ": " << finding.container
            << " :: " << finding.label << ": " << finding.problem << '\n';
    return !findings.isEmpty();
}
