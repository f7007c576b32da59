#include "report/ReportPrinter.h"

#include "app/MainWindow.h"
#include "dialogs/UserDialogs.h"
#include "report/SettingsReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace {
const QString kPaper = QStringLiteral("на бумагу");
const QString kPdf = QStringLiteral("в файл PDF");
} // namespace

void ReportPrinter::print(MainWindow* window)
{
    if (window->reportErrorFields())
        return;
    QTextDocument document;
    document.setHtml(SettingsReport::html(window->m_Tree, window->m_ModelName, window));

    bool chosen = false;
    const QString output = UserDialogs::current().chooseItem(
        window, QStringLiteral("Выберите"), QStringLiteral("Печать:"), {kPaper, kPdf}, 0, &chosen);
    if (!chosen)
        return;
    if (output.contains(QLatin1String("PDF")))
        printIntoPdf(window, document);
    else
        printOnPaper(window, document);
}

QString ReportPrinter::pdfFileName(const QString& chosen)
{
    return chosen.contains(QLatin1String(".pdf")) ? chosen : chosen + QStringLiteral(".pdf");
}

bool ReportPrinter::printToPdf(QTextDocument& document, const QString& fileName)
{
    // The painter gives up silently when it cannot open the file, so find out
    // first, without truncating an existing file.
    QFile probe(fileName);
    if (!probe.open(QIODevice::Append))
        return false;
    probe.close();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(QStringLiteral("Report"));
    printer.setOutputFileName(fileName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    document.print(&printer);
    const QFileInfo written(fileName);
    return written.isFile() && written.size() > 0;
}

void ReportPrinter::printOnPaper(MainWindow* window, QTextDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    if (UserDialogs::current().acceptPrintDialog(&printer, window))
        document.print(&printer);
}

void ReportPrinter::printIntoPdf(MainWindow* window, QTextDocument& document)
{
    const QString chosen = UserDialogs::current().saveFileName(
        window, QCoreApplication::translate("MainWindow", "сохранить в PDF"),
        QStringLiteral("/home/"), QCoreApplication::translate("MainWindow", "PDF file: *.pdf"));
    if (chosen.isEmpty())
        return;
    const QString fileName = pdfFileName(chosen);
    if (!printToPdf(document, fileName))
        UserDialogs::critical(window, QStringLiteral("Ошибка печати"),
                              QStringLiteral("Не удалось записать файл PDF: ") + fileName);
}
