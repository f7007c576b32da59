#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "lines/LineInBox.h"
#include "report/ReportPrinter.h"
#include "report/ReportText.h"
#include "report/SettingsReport.h"

#include <QAction>
#include <QDomDocument>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kHead = QStringLiteral(
    "<!DOCTYPE HTML><html><head><meta content=\"text/html; charset=utf-8\"></head><body>"
    "<table border=\"1\" cols=\"2\" cellpadding=\"1\" width=\"100%\"><caption><big><big><center>"
    "Таблица настроек контроллера ");
const QString kHeaderRow = QStringLiteral(
    "</center></big></big></caption><tr><th>Наименование параметра<br>(пункт / подпункт)</th>"
    "<th>Значение</th></tr>");
const QString kTail = QStringLiteral("</table></body></html>");

QString containerRow(const QString& path)
{
    return QStringLiteral("<tr bgcolor=\"#D0D0D0\" style=\"page-break-before:always\" ><td><b>") +
           path + QStringLiteral("</b></td><td></td></tr>");
}

QString lineRow(const QString& label, const QString& value)
{
    return QStringLiteral("<tr style=\"page-break-before:always\" ><td>") + label +
           QStringLiteral("</td><td>") + value + QStringLiteral("</td></tr>");
}

QByteArray document(const QString& body)
{
    return (QStringLiteral("<lir1Settings formatVerMaj=\"1\">") + body +
            QStringLiteral("</lir1Settings>"))
        .toUtf8();
}

QString rows(MainWindow& window)
{
    QString html;
    window.appendTreeRows(html);
    return html;
}

QString items(const QString& list)
{
    QString xml = QStringLiteral("<namedValues>");
    for (const QString& item : list.split(QLatin1Char(',')))
        xml += QStringLiteral("<item name=\"%1\" key=\"%1\"/>").arg(item);
    return xml + QStringLiteral("</namedValues>");
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    // Chooses PDF output and `name` as the file; returns what pdftotext reads.
    QString printPdf(LoadedEditor& editor, const QString& name)
    {
        editor.dialogs.answerItem(QStringLiteral("в файл PDF"));
        editor.dialogs.answerFileName(name);
        editor.window.m_ActPrint->trigger();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {ReportPrinter::pdfFileName(name), QStringLiteral("-")});
        if (!pdftotext.waitForFinished(30000))
            return QString();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private slots:
    void cleanup() { DocumentHelpers::closeFieldsToCorrectWindows(); }

    void wholeReportOfASmallDocument()
    {
        LoadedEditor editor;
        editor.load(document(QStringLiteral(
            "<container name=\"A\"><signal name=\"Speed\" measure=\"rpm\" type=\"number\" "
            "min=\"0\" max=\"100\" e=\"0\" value=\"5\"/>"
            "<container name=\"B\"><signal name=\"On\" type=\"bit\" value=\"1\"/>"
            "<signal name=\"Name\" type=\"string\" value=\"x1\"/></container></container>"
            "<container name=\"C\"><signal name=\"IP\" type=\"ipAddress\" value=\"10.0.0.1\"/>"
            "</container>")));
        editor.window.m_ModelName = QStringLiteral("ЛИР-1");
        const QString html =
            SettingsReport::html(editor.window.m_Tree, editor.window.m_ModelName, &editor.window);
        QCOMPARE(html, kHead + QStringLiteral("ЛИР-1") + kHeaderRow +
                           containerRow(QStringLiteral("//A//")) +
                           lineRow(QStringLiteral("Speed, rpm"), QStringLiteral("5")) +
                           containerRow(QStringLiteral("//A//B//")) +
                           lineRow(QStringLiteral("On"), QStringLiteral("Есть")) +
                           lineRow(QStringLiteral("Name"), QStringLiteral("x1")) +
                           containerRow(QStringLiteral("//C//")) +
                           lineRow(QStringLiteral("IP"), QStringLiteral("10.0.0.1")) + kTail);
    }

    void rowRules_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("expected");
        const QString flags = QStringLiteral("<container name=\"F\"><signal name=\"Out\" "
                                             "type=\"flags\" value=\"%1\">") +
                              items(QStringLiteral("a,b,c")) +
                              QStringLiteral("</signal></container>");
        QTest::newRow("empty tree") << ""
                                    << "";
        QTest::newRow("container without box prints only its children")
            << "<container name=\"A\"><container name=\"B\">"
               "<signal name=\"x\" type=\"string\" value=\"v\"/></container></container>"
            << containerRow("//A//B//") + lineRow("x", "v");
        QTest::newRow("hidden container with its subtree")
            << "<container name=\"Src\"><signal name=\"s\" key=\"k\" type=\"bit\" value=\"0\"/>"
               "</container><container name=\"H\"><hideConds><c s=\"k\" o=\"NB\" v=\"0\"/>"
               "</hideConds><signal name=\"in\" type=\"bit\" value=\"1\"/>"
               "<container name=\"Sub\"><signal name=\"deep\" type=\"bit\" value=\"1\"/>"
               "</container></container><container name=\"After\">"
               "<signal name=\"a\" type=\"bit\" value=\"1\"/></container>"
            << containerRow("//Src//") + lineRow("s", "Нет") + containerRow("//After//") +
                   lineRow("a", "Есть");
        QTest::newRow("hidden line, its container row stays")
            << "<container name=\"A\"><signal name=\"s\" key=\"k\" type=\"bit\" value=\"1\"/>"
               "<signal name=\"t\" type=\"bit\" value=\"1\"><hideConds>"
               "<c s=\"k\" o=\"BT\" v=\"0\"/></hideConds></signal></container>"
            << containerRow("//A//") + lineRow("s", "Есть");
        QTest::newRow("flags, none ticked: no row")
            << flags.arg("a:0 b:0 c:0") << containerRow("//F//");
        QTest::newRow("flags, one ticked")
            << flags.arg("a:0 b:1 c:0") << containerRow("//F//") + lineRow("Out", "b");
        QTest::newRow("flags, two ticked")
            << flags.arg("a:1 b:0 c:1") << containerRow("//F//") + lineRow("Out", "a<br>c");
        QTest::newRow("flags, undetermined is not ticked")
            << flags.arg("") << containerRow("//F//");
        QTest::newRow("bit ticked and not")
            << "<container name=\"A\"><signal name=\"on\" type=\"bit\" value=\"1\"/>"
               "<signal name=\"off\" type=\"bit\" value=\"0\"/></container>"
            << containerRow("//A//") + lineRow("on", "Есть") + lineRow("off", "Нет");
        QTest::newRow("enum: the chosen item's text")
            << "<container name=\"A\"><signal name=\"m\" type=\"enum\" value=\"y\">" +
                   items("x,y") + "</signal><signal name=\"none\" type=\"enum\" value=\"q\">" +
                   items("x,y") + "</signal></container>"
            << containerRow("//A//") + lineRow("m", "y") + lineRow("none", "");
        QTest::newRow("each text kind")
            << "<container name=\"A\">"
               "<signal name=\"n\" type=\"number\" min=\"-9\" max=\"9\" e=\"-1\" value=\"-1.5\"/>"
               "<signal name=\"s\" type=\"string\" value=\"text\"/>"
               "<signal name=\"mac\" type=\"macAddress\" value=\"0A:1b:FF:00:00:01\"/>"
               "<signal name=\"ip\" type=\"ipAddress\" value=\"192.168.0.7\"/></container>"
            << containerRow("//A//") + lineRow("n", "-1.5") + lineRow("s", "text") +
                   lineRow("mac", "0A:1b:FF:00:00:01") + lineRow("ip", "192.168.0.7");
        QTest::newRow("a value longer than its editor, whole")
            << "<container name=\"A\"><signal name=\"s\" type=\"string\" lenMax=\"3\" "
               "value=\"abcdef\"/></container>"
            << containerRow("//A//") + lineRow("s", "abcdef");
        QTest::newRow("escaping of names, labels and values")
            << "<container name=\"a&lt;b&gt;c\"><signal name=\"x &amp; &quot;y&quot;\" "
               "measure=\"&lt;i&gt;\" type=\"string\" value=\"&lt;b\"/>"
               "<signal name=\"f\" type=\"flags\" value=\"1:1 2:1\"><namedValues>"
               "<item name=\"&lt;br&gt;\" key=\"1\"/><item name=\"a&amp;b\" key=\"2\"/>"
               "</namedValues></signal></container>"
            << containerRow("//a&lt;b&gt;c//") +
                   lineRow("x &amp; &quot;y&quot;, &lt;i&gt;", "&lt;b") +
                   lineRow("f", "&lt;br&gt;<br>a&amp;b");
    }

    void rowRules()
    {
        QFETCH(QString, body);
        QFETCH(QString, expected);
        LoadedEditor editor;
        editor.load(document(body));
        QCOMPARE(rows(editor.window), expected);
        // The tools' report of the document, made without screens.
        QDomDocument dom;
        QVERIFY(dom.setContent(document(body)));
        QCOMPARE(ReportText::of(SettingsModel::of(dom), QString()),
                 ReportText::head(QString()) + expected + ReportText::tail());
    }

    void modelNameInTheCaptionIsEscaped()
    {
        QVERIFY(SettingsReport::head(QStringLiteral("ЛИР-2"))
                    .endsWith(QStringLiteral("контроллера ЛИР-2") + kHeaderRow));
        QVERIFY(SettingsReport::head(QStringLiteral("<x>"))
                    .contains(QStringLiteral("контроллера &lt;x&gt;</center>")));
        QVERIFY(
            SettingsReport::head(QString()).endsWith(QStringLiteral("контроллера ") + kHeaderRow));
    }

    void wrongEditorDropsTheRestOfItsItem()
    {
        LoadedEditor editor;
        editor.load(document(QStringLiteral(
            "<container name=\"A\"><signal name=\"first\" type=\"bit\" value=\"1\"/>"
            "<signal name=\"bad\" type=\"bit\" value=\"1\"/>"
            "<signal name=\"later\" type=\"bit\" value=\"1\"/>"
            "<container name=\"Child\"><signal name=\"c\" type=\"bit\" value=\"1\"/></container>"
            "</container><container name=\"Next\"><signal name=\"n\" type=\"bit\" value=\"0\"/>"
            "</container>")));
        LineInBox* bad = editor.line(QStringLiteral("bad"));
        QLineEdit stranger;
        bad->m_Widgets = {&stranger};
        QCOMPARE(rows(editor.window), containerRow("//A//") + lineRow("first", "Есть") +
                                          containerRow("//Next//") + lineRow("n", "Нет"));
        QCOMPARE(editor.dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& warning = editor.dialogs.shown().first();
        QCOMPARE(warning.kind, QStringLiteral("warning"));
        QCOMPARE(warning.title, QStringLiteral("Беда"));
        QCOMPARE(warning.parent, &editor.window);
        QCOMPARE(warning.text,
                 QStringLiteral("void MainWindow::goingTree(QTreeWidgetItem* qtwi,QString &html,"
                                "QString con)QCheckBox* cb = qobject_cast<QCheckBox*>(var2);"));
        bad->m_Widgets.clear();
    }

    void pdfFileNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "report"
                                      << "report.pdf";
        QTest::newRow("upper-case extension") << "Report.PDF"
                                              << "Report.PDF.pdf";
        QTest::newRow(".pdf anywhere") << "a.pdf.txt"
                                       << "a.pdf.txt";
        QTest::newRow("already .pdf") << "b.pdf"
                                      << "b.pdf";
    }

    void pdfFileNames()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(ReportPrinter::pdfFileName(chosen), written);
    }

    void printIntoPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(m_Dir.isValid());
        LoadedEditor editor;
        editor.loadFile(QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml"));
        editor.window.m_ModelName = QStringLiteral("ЛИР-2");
        editor.dialogs.clear();
        const QString text = printPdf(editor, m_Dir.filePath(QStringLiteral("report")));
        QVERIFY(text.contains(QStringLiteral("Таблица настроек контроллера ЛИР-2")));
        QVERIFY(text.contains(QStringLiteral("//Связь//Ethernet//")));
        QVERIFY(text.contains(QStringLiteral("192.168")));

        QCOMPARE(editor.dialogs.shown().size(), 2);
        const ScriptedDialogs::Shown choice = editor.dialogs.shown().at(0);
        QCOMPARE(choice.kind, QStringLiteral("item"));
        QCOMPARE(choice.title, QStringLiteral("Выберите"));
        QCOMPARE(choice.text, QStringLiteral("Печать:"));
        QCOMPARE(choice.items, QStringList({"на бумагу", "в файл PDF"}));
        QCOMPARE(choice.parent, &editor.window);
        const ScriptedDialogs::Shown save = editor.dialogs.shown().at(1);
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.title, QStringLiteral("сохранить в PDF"));
        QCOMPARE(save.directory, QStringLiteral("/home/"));
        QCOMPARE(save.items, QStringList({"PDF file: *.pdf"}));
        QVERIFY(DocumentHelpers::readFile(m_Dir.filePath(QStringLiteral("report.pdf")))
                    .startsWith("%PDF"));
    }

    void cancelledOrRefusedPrintingWritesNothing_data()
    {
        QTest::addColumn<QString>("path"); // "choice", "file", "paper"
        QTest::newRow("output choice cancelled") << "choice";
        QTest::newRow("file dialog cancelled") << "file";
        QTest::newRow("print dialog rejected") << "paper";
    }

    void cancelledOrRefusedPrintingWritesNothing()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        LoadedEditor editor;
        editor.load(document(QStringLiteral(
            "<container name=\"A\"><signal name=\"on\" type=\"bit\" value=\"1\"/></container>")));
        if (path == QLatin1String("choice")) {
            editor.dialogs.answerItemCancel();
        } else if (path == QLatin1String("file")) {
            editor.dialogs.answerItem(QStringLiteral("в файл PDF"));
            editor.dialogs.answerFileName(QString());
        } else {
            QCOMPARE(path, QStringLiteral("paper"));
            editor.dialogs.answerItem(QStringLiteral("на бумагу"));
            editor.dialogs.answerPrintDialog(false);
        }
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        editor.window.m_ActPrint->trigger();
        QDir::setCurrent(previous);
        QCOMPARE(editor.dialogs.pendingAnswers(), 0);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void unwritablePdfIsReported()
    {
        LoadedEditor editor;
        const QString target = m_Dir.filePath(QStringLiteral("no/such/folder/r.pdf"));
        editor.dialogs.answerItem(QStringLiteral("в файл PDF"));
        editor.dialogs.answerFileName(target);
        editor.window.m_ActPrint->trigger();
        QCOMPARE(editor.dialogs.shown().size(), 3);
        QCOMPARE(editor.dialogs.shown().last().kind, QStringLiteral("critical"));
        QVERIFY(editor.dialogs.shown().last().text.contains(target));
        QVERIFY(!QFile::exists(target));
    }

    void fieldsToCorrectBlockPrinting()
    {
        LoadedEditor editor;
        editor.window.addErrorField(QStringLiteral("A"), QStringLiteral("x"));
        editor.window.m_ActPrint->trigger();
        QCOMPARE(editor.dialogs.shown().size(), 0);
        QCOMPARE(DocumentHelpers::fieldsToCorrectWindows().size(), 1);
    }
};

LIR_TEST_CLASS(TestReport)
#include "tst_Report.moc"
