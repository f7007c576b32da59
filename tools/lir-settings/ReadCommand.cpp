#include "tools/lir-settings/ReadCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "dialogs/UserDialogs.h"
#include "document/DocumentParser.h"
#include "link/ControllerCommands.h"
#include "tools/lir-settings/LinkToolArguments.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QDomDocument>
#include <QTextStream>

LIR_TOOL_COMMAND(ReadCommand)

QString ReadCommand::summary() const
{
    return QStringLiteral("read the controller's settings document into FILE or to stdout");
}

QString ReadCommand::help() const
{
    return QStringLiteral(
        "Reads the settings document out of the controller on DEV, as \"Считать из\n"
        "контроллера\" does, into FILE (replaced as a whole; a device or a pipe is\n"
        "written into) or to standard output (also for FILE \"-\"). A reply that the\n"
        "editor would refuse to load is not written anywhere.\n"
        "\n"
        "Exit status: 0 when read, 1 when the port, the link or the controller\n"
        "failed or the reply is no document, 2 on bad arguments or when FILE cannot\n"
        "be written.\n");
}

ExitCode ReadCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    LinkToolArguments arguments;
    if (!arguments.parse(args, true, 0, err))
        return ExitCode::Error;
    PrintingDialogs dialogs(err);
    dialogs.setSource(arguments.port);
    QByteArray text;
    if (ControllerCommands().readDocument(ControllerPort::fromDevice(arguments.port), text) !=
        ControllerCommands::Result::Done)
        return ExitCode::Failure;
    // What the editor would refuse to load is not kept either.
    QDomDocument document;
    const DocumentParser::Result parsed = DocumentParser::parse(text, document);
    if (!parsed.parsed) {
        UserDialogs::about(nullptr, DocumentParser::errorTitle(), parsed.message());
        return ExitCode::Failure;
    }
    const QString output = arguments.output.isEmpty() ? QStringLiteral("-") : arguments.output;
    // The document goes out byte for byte, not through the text stream.
    return ToolOutput::write(name(), output, text, out, err) ? ExitCode::Success : ExitCode::Error;
}
