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
    failed(command, target, reason, err);
    return false;
}

void ToolOutput::failed(const QString& command, const QString& target, const QString& reason,
                        QTextStream& err)
{
    const QString named =
        target == QLatin1String("-") ? QStringLiteral("стандартный вывод") : target;
    err << prefix(command) << QStringLiteral("не удалось записать ") << named << ": " << reason
        << '\n';
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
    failed(QString(), QStringLiteral("-"), out.device()->errorString(), err);
    return false;
}
