#include "tools/lir-settings/ReportCommand.h"

#include "app/MainWindow.h"
#include "report/ReportPrinter.h"
#include "report/SettingsReport.h"
#include "tools/lir-settings/HeadlessEditor.h"

#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>

LIR_TOOL_COMMAND(ReportCommand)

namespace {
const char* const kUsage = "Usage: lir-settings report FILE [-o OUT]\n";

bool parseArguments(const QStringList& args, QString& input, QString& output)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !output.isEmpty())
                return false;
            output = args.at(++i);
        } else if (input.isEmpty()) {
            input = args.at(i);
        } else {
            return false;
        }
    }
    return !input.isEmpty();
}

QString modelNameOf(quint8 formatVersion)
{
    if (formatVersion == 1)
        return QStringLiteral("ЛИР-1");
    if (formatVersion == 2)
        return QStringLiteral("ЛИР-2");
    return QString();
}

bool writeHtml(const QString& fileName, const QString& html, QString& reason)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0 || !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
} // namespace

QString ReportCommand::summary() const
{
    return QStringLiteral("write the settings report of a document (HTML, or PDF for *.pdf)");
}

int ReportCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString input;
    QString output;
    if (!parseArguments(args, input, output)) {
        err << kUsage;
        return 2;
    }
    HeadlessEditor editor(err);
    const XMLWork::LoadResult loaded = editor.load(input);
    if (loaded == XMLWork::LoadResult::Unreadable)
        return 2;
    if (loaded == XMLWork::LoadResult::Refused)
        return 1;
    MainWindow& window = editor.window();
    const QString html = SettingsReport::head(modelNameOf(window.m_FormatVerMaj)) + [&window] {
        QString rows;
        window.appendTreeRows(rows);
        return rows;
    }() + SettingsReport::tail();
    if (output.isEmpty()) {
        out << html;
        return 0;
    }
    if (output.endsWith(QLatin1String(".pdf"))) {
        QTextDocument document;
        document.setHtml(html);
        if (!ReportPrinter::printToPdf(document, output)) {
            err << "lir-settings report: cannot write " << output << '\n';
            return 2;
        }
        return 0;
    }
    QString reason;
    if (!writeHtml(output, html, reason)) {
        err << "lir-settings report: cannot write " << output << ": " << reason << '\n';
        return 2;
    }
    return 0;
}
