#include "tools/lir-settings/ReadCommand.h"

#include "dialogs/PrintingDialogs.h"
#include "link/ControllerCommands.h"
#include "tools/lir-settings/LinkToolArguments.h"

#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

LIR_TOOL_COMMAND(ReadCommand)

QString ReadCommand::summary() const
{
    return QStringLiteral("read the controller's settings document into FILE or to stdout");
}

QString ReadCommand::help() const
{
    return QStringLiteral(
        "Reads the settings document out of the controller on DEV, as \"Считать из\n"
        "контроллера\" does, into FILE (replaced as a whole) or to standard output.\n"
        "\n"
        "Exit status: 0 when read, 1 when the port, the link or the controller\n"
        "failed, 2 on bad arguments or when FILE cannot be written.\n");
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
    if (!arguments.output.isEmpty())
        return save(arguments.output, text, err) ? ExitCode::Success : ExitCode::Error;
    // The document goes out byte for byte, not through the text stream.
    out.flush();
    const bool written =
        fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size()) &&
        fflush(stdout) == 0;
    return written ? ExitCode::Success : ExitCode::Error;
}

bool ReadCommand::save(const QString& fileName, const QByteArray& text, QTextStream& err)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    err << "lir-settings: cannot write " << fileName << ": " << file.errorString() << '\n';
    return false;
}
