#include "tools/lir-settings/VersionCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "link/ControllerCommands.h"
#include "tools/lir-settings/LinkToolArguments.h"

#include <QTextStream>

LIR_TOOL_COMMAND(VersionCommand)

QString VersionCommand::summary() const
{
    return QStringLiteral("print the settings version of the controller on DEV");
}

int VersionCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    LinkToolArguments arguments;
    if (!arguments.parse(args, false, 0, err))
        return LinkToolArguments::UsageError;
    PrintingDialogs dialogs(err);
    dialogs.setSource(arguments.port);
    quint16 version = 0;
    if (ControllerCommands().readVersion(ControllerPort::fromDevice(arguments.port), version) !=
        ControllerCommands::Result::Done)
        return LinkToolArguments::LinkFailure;
    out << version << '\n';
    return LinkToolArguments::Success;
}
