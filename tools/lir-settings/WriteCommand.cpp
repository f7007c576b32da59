#include "tools/lir-settings/WriteCommand.h"

#include "app/MainWindow.h"
#include "lines/DocumentValueChecker.h"
#include "link/ControllerCommands.h"
#include "link/ControllerMenuCommands.h"
#include "tools/lir-settings/HeadlessEditor.h"
#include "tools/lir-settings/LinkToolArguments.h"

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
        "контроллер\" does.\n"
        "\n"
        "Exit status: 0 when written, 1 when the port, the link or the controller\n"
        "failed or the versions differ, 2 on bad arguments, or when FILE cannot be\n"
        "read, is no settings document or holds values its lines would refuse.\n");
}

ExitCode WriteCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Q_UNUSED(out);
    LinkToolArguments arguments;
    if (!arguments.parse(args, false, 1, err))
        return ExitCode::Error;
    const QString fileName = arguments.positionals.first();
    HeadlessEditor editor(err);
    if (editor.load(fileName) != XMLWork::LoadResult::Loaded)
        return ExitCode::Error;
    XMLWork& document = *editor.window().m_XmlWork;
    if (reportRefusedValues(fileName, *document.m_Document, err))
        return ExitCode::Error;
    editor.dialogs().setSource(arguments.port);
    const ControllerCommands::Result result =
        ControllerCommands().writeDocument(ControllerPort::fromDevice(arguments.port),
                                           document.documentText(), editor.window().m_FormatVerMaj);
    if (result != ControllerCommands::Result::Done)
        return ExitCode::Failure;
    UserDialogs::about(nullptr, ControllerMenuCommands::writeTitle(),
                       ControllerMenuCommands::writeSucceededText());
    return ExitCode::Success;
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
