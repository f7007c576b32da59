#include "report/ReportPrinter.h"

#include "app/MainWindow.h"
#include "dialogs/UserDialogs.h"
#include "document/OutputFile.h"
#include "report/DocumentPrinter.h"
#include "report/SettingsReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>

namespace {
const QString kPaper = QStringLiteral("на бумагу");
const QString kPdf = QStringLiteral("в файл PDF");
} // namespace

void ReportPrinter::print(MainWindow* window)
{
    if (window->reportErrorFields())
        return;
    // The text is laid out into its document for the printer it goes to.
    const QString html = SettingsReport::html(window->m_Tree, window->m_ModelName, window);

    bool chosen = false;
    const QString output = UserDialogs::current().chooseItem(
        window, QStringLiteral("Выберите"), QStringLiteral("Печать:"), {kPaper, kPdf}, 0, &chosen);
    if (!chosen)
        return;
    if (output.contains(QLatin1String("PDF")))
        printIntoPdf(window, html);
    else
        printOnPaper(window, html);
}

QString ReportPrinter::pdfFileName(const QString& chosen)
{
    return chosen.contains(QLatin1String(".pdf")) ? chosen : chosen + QStringLiteral(".pdf");
}

bool ReportPrinter::printToPdf(const QString& html, const QString& fileName, QString& reason)
{
    // The printer writes in place and says nothing when it fails, so it
    // prints into a temporary file first; only a complete PDF goes on to
    // replace the target as a whole.
    QTemporaryFile printed(QDir::temp().filePath(QStringLiteral("lir-report-XXXXXX.pdf")));
    if (!printed.open()) {
        reason = printed.errorString();
        return false;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(QStringLiteral("Report"));
    printer.setOutputFileName(printed.fileName());
    printer.setOutputFormat(QPrinter::PdfFormat);
    DocumentPrinter::print(html, printer);
    // Reopened: the printer wrote through a file of its own.
    QFile result(printed.fileName());
    const QByteArray pdf = result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
    if (!pdf.startsWith("%PDF") || !pdf.trimmed().endsWith("%%EOF")) {
        reason = QStringLiteral("PDF не сформирован во временном файле ") + printed.fileName();
        return false;
    }
    return OutputFile::write(fileName, pdf, reason);
}

void ReportPrinter::printOnPaper(MainWindow* window, const QString& html)
{
    QPrinter printer(QPrinter::HighResolution);
    if (UserDialogs::current().acceptPrintDialog(&printer, window))
        DocumentPrinter::print(html, printer);
}

void ReportPrinter::printIntoPdf(MainWindow* window, const QString& html)
{
    const QString chosen = UserDialogs::current().saveFileName(
        window, QCoreApplication::translate("MainWindow", "сохранить в PDF"),
        QStringLiteral("/home/"), QCoreApplication::translate("MainWindow", "PDF file: *.pdf"));
    if (chosen.isEmpty())
        return;
    const QString fileName = pdfFileName(chosen);
    QString reason;
    if (!printToPdf(html, fileName, reason))
        UserDialogs::critical(window, QStringLiteral("Ошибка печати"),
                              QStringLiteral("Не удалось записать файл PDF: ") + fileName +
                                  QStringLiteral(": ") + reason);
}
