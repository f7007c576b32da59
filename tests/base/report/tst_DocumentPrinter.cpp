#include "common/TestRegistry.h"
#include "report/DocumentPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <functional>

// The pages printed by DocumentPrinter against those of QTextDocument::print
// for the same text and printer: the PDF files may differ only in the time
// they were made.
class TestDocumentPrinter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QByteArray printed(const QString& name, QPrinter::PrinterMode mode, int from, int to,
                       const std::function<void(QPrinter&)>& print)
    {
        const QString fileName = m_Dir.filePath(name);
        {
            QPrinter printer(mode);
            printer.setOutputFileName(fileName);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setFromTo(from, to);
            print(printer);
        }
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        // Cut the time the file was made; the rest is binary and compared as is.
        QByteArray pdf = file.readAll();
        const int date = pdf.indexOf("/CreationDate (");
        if (date >= 0)
            pdf.remove(date, pdf.indexOf(')', date) + 1 - date);
        return pdf;
    }

private slots:
    void samePagesAsQtPrints_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("screen resolution, all pages") << int(QPrinter::ScreenResolution) << 0 << 0;
        QTest::newRow("high resolution, all pages") << int(QPrinter::HighResolution) << 0 << 0;
        QTest::newRow("a range of pages") << int(QPrinter::ScreenResolution) << 2 << 3;
    }

    void samePagesAsQtPrints()
    {
        QFETCH(int, mode);
        QFETCH(int, from);
        QFETCH(int, to);
        // A table over several pages, rows of both kinds, long and short text.
        QString html =
            QStringLiteral("<html><body><table border=\"1\" cols=\"2\" cellpadding=\"1\" "
                           "width=\"100%\"><caption><big>Заголовок</big></caption>");
        for (int row = 0; row < 300; ++row) {
            html += row % 25 == 0 ? QStringLiteral("<tr bgcolor=\"#D0D0D0\"><td><b>//Раздел %1//"
                                                   "</b></td><td></td></tr>")
                                        .arg(row)
                                  : QStringLiteral("<tr><td>Параметр %1, мс</td><td>%2</td></tr>")
                                        .arg(row)
                                        .arg(QString(row % 7 + 1, QLatin1Char('x')));
        }
        html += QStringLiteral("</table></body></html>");

        const auto printerMode = QPrinter::PrinterMode(mode);
        const QByteArray byQt =
            printed(QStringLiteral("qt.pdf"), printerMode, from, to, [&html](QPrinter& printer) {
                QTextDocument document;
                document.setHtml(html);
                document.print(&printer);
            });
        const QByteArray byPages =
            printed(QStringLiteral("pages.pdf"), printerMode, from, to, [&html](QPrinter& printer) {
                QVERIFY(
                    DocumentPrinter::print(html, printer, printer.fromPage(), printer.toPage()));
            });
        QVERIFY(byQt.count("/Type /Page\n") >= 2);
        QCOMPARE(byPages, byQt);
    }
};

LIR_TEST_CLASS(TestDocumentPrinter)
#include "tst_DocumentPrinter.moc"
