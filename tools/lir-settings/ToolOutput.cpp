#include "tools/lir-settings/ToolOutput.h"

#include "document/OutputFile.h"

#include <QTextStream>

namespace {
QString prefix(const QString& command)
{
    return command.isEmpty() ? QStringLiteral("lir-settings: ")
                             : QStringLiteral("lir-settings ") + command + QStringLiteral(": ");
}
} // namespace

bool ToolOutput::write(const QString& command, const QString& target, const QByteArray& bytes,
                       QTextStream& out, QTextStream& err)
{
    QString reason;
    // What the text stream holds goes first.
    out.flush();
    if (OutputFile::write(target, bytes, reason))
        return true;
    const QString named =
        target == QLatin1String("-") ? QStringLiteral("стандартный вывод") : target;
    err << prefix(command) << QStringLiteral("не удалось записать ") << named << ": " << reason
        << '\n';
    return false;
}

bool ToolOutput::apart(const QString& command, const QString& input, const QString& output,
                       QTextStream& err)
{
    if (!OutputFile::isSameFile(input, output))
        return true;
    err << prefix(command) << output << QStringLiteral(" — тот же файл, что и ") << input
        << QStringLiteral("; запись уничтожила бы его, ничего не сделано\n");
    return false;
}

bool ToolOutput::flushed(QTextStream& out, QTextStream& err)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return true;
    err << prefix(QString()) << QStringLiteral("не удалось записать стандартный вывод: ")
        << out.device()->errorString() << '\n';
    return false;
}
