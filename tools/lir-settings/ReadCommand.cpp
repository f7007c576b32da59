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

int ReadCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    LinkToolArguments arguments;
    if (!arguments.parse(args, true, 0, err))
        return LinkToolArguments::UsageError;
    PrintingDialogs dialogs(err);
    dialogs.setSource(arguments.port);
    QByteArray text;
    if (ControllerCommands().readDocument(ControllerPort::fromDevice(arguments.port), text) !=
        ControllerCommands::Result::Done)
        return LinkToolArguments::LinkFailure;
    if (!arguments.output.isEmpty())
        return save(arguments.output, text, err) ? LinkToolArguments::Success
                                                 : LinkToolArguments::UsageError;
    // The document goes out byte for byte, not through the text stream.
    out.flush();
    const bool written =
        fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size()) &&
        fflush(stdout) == 0;
    return written ? LinkToolArguments::Success : LinkToolArguments::UsageError;
}

bool ReadCommand::save(const QString& fileName, const QByteArray& text, QTextStream& err)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    err << "lir-settings: cannot write " << fileName << ": " << file.errorString() << '\n';
    return false;
}
