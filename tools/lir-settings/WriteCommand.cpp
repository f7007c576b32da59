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

int WriteCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Q_UNUSED(out);
    LinkToolArguments arguments;
    if (!arguments.parse(args, false, 1, err))
        return LinkToolArguments::UsageError;
    const QString fileName = arguments.positionals.first();
    HeadlessEditor editor(err);
    if (editor.load(fileName) != XMLWork::LoadResult::Loaded)
        return LinkToolArguments::UsageError;
    XMLWork& document = *editor.window().m_XmlWork;
    if (reportRefusedValues(fileName, *document.m_Document, err))
        return LinkToolArguments::UsageError;
    editor.dialogs().setSource(arguments.port);
    const ControllerCommands::Result result =
        ControllerCommands().writeDocument(ControllerPort::fromDevice(arguments.port),
                                           document.documentText(), editor.window().m_FormatVerMaj);
    if (result != ControllerCommands::Result::Done)
        return LinkToolArguments::LinkFailure;
    UserDialogs::about(nullptr, ControllerMenuCommands::writeTitle(),
                       ControllerMenuCommands::writeSucceededText());
    return LinkToolArguments::Success;
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
