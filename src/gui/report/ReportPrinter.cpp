#include "report/ReportPrinter.h"

#include "app/MainWindow.h"
#include "dialogs/UserDialogs.h"
#include "report/DocumentPrinter.h"
#include "report/ReportPdf.h"
#include "report/SettingsReport.h"

#include <QCoreApplication>
#include <QPrinter>

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

void ReportPrinter::printOnPaper(MainWindow* window, const QString& html)
{
    QPrinter printer(QPrinter::HighResolution);
    if (UserDialogs::current().acceptPrintDialog(&printer, window))
        DocumentPrinter::print(html, printer, printer.fromPage(), printer.toPage());
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
    if (!ReportPdf::write(html, fileName, reason))
        UserDialogs::critical(window, QStringLiteral("Ошибка печати"),
                              QStringLiteral("Не удалось записать файл PDF: ") + fileName +
                                  QStringLiteral(": ") + reason);
}
