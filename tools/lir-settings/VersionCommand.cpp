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

QString VersionCommand::help() const
{
    return QStringLiteral(
        "Asks the controller on DEV for its settings version, as the editor's\n"
        "controller commands do, and prints it.\n"
        "\n"
        "Exit status: 0 when printed, 1 when the port, the link or the controller\n"
        "failed, 2 on bad arguments.\n");
}

ExitCode VersionCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    LinkToolArguments arguments;
    if (!arguments.parse(args, false, 0, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    dialogs.setSource(arguments.port);
    quint16 version = 0;
    if (ControllerCommands().readVersion(ControllerPort::fromDevice(arguments.port), version) !=
        ControllerCommands::Result::Done)
        return ExitCode::Failure;
    out << version << '\n';
    return ExitCode::Success;
}
