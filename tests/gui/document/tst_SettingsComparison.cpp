#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/DifferenceReport.h"
#include "document/SettingsComparison.h"
#include "lines/LineInBox.h"

#include <QDomDocument>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {
SettingsModel snapshotOf(const QByteArray& text)
{
    QDomDocument document;
    const bool parsed = document.setContent(text);
    Q_ASSERT(parsed);
    return SettingsModel::of(document);
}

QByteArray document(const QByteArray& body, const char* version = "1")
{
    return QByteArray("<lir1Settings formatVerMaj=\"") + version + "\">" + body + "</lir1Settings>";
}

const QByteArray kFlags = "<namedValues><item name=\"Out 1\" key=\"o1\"/>"
                          "<item name=\"Out 2\" key=\"o2\"/></namedValues>";
const QByteArray kModes = "<namedValues><item name=\"Manual\" key=\"m1\"/>"
                          "<item name=\"Auto\" key=\"m2\"/></namedValues>";
// A bit source and a container whose settings it hides while it is clear.
QByteArray hiding(const char* bit, const QByteArray& hidden)
{
    return QByteArray(
               "<container name=\"S\"><signal name=\"On\" key=\"on\" type=\"bit\" value=\"") +
           bit +
           "\"/></container><container name=\"H\"><hideConds><c s=\"on\" o=\"NB\" v=\"0\"/>"
           "</hideConds>" +
           hidden + "</container>";
}
} // namespace

class TestSettingsComparison : public QObject
{
    Q_OBJECT

private slots:
    void differences_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("lines");

        const QByteArray number = "<container name=\"N\"><signal name=\"T\" type=\"number\" "
                                  "e=\"-2\" max=\"60\" value=\"%1\"/></container>";
        QTest::newRow("attribute order and layout are no difference")
            << document(QByteArray(number).replace("%1", "7.5"))
            << document("\n  <container name=\"N\">\n <signal value=\"7.5\" max=\"60\" e=\"-2\" "
                        "type=\"number\" name=\"T\"/></container>\n")
            << false << QStringList();
        const QByteArray numberAt = "<container name=\"N\"><signal name=\"T\" type=\"number\" "
                                    "e=\"-2\" value=\"%1\"/></container>";
        QTest::newRow("7.5 equals 7.50 at e -2")
            << document(QByteArray(numberAt).replace("%1", "7.5"))
            << document(QByteArray(numberAt).replace("%1", "7.50")) << false << QStringList();
        QTest::newRow("7.5 and 7.51 differ at e -2")
            << document(QByteArray(numberAt).replace("%1", "7.5"))
            << document(QByteArray(numberAt).replace("%1", "7.51")) << false
            << QStringList{"N / T: 7.5 -> 7.51"};
        QTest::newRow("a text that is no number is the same as itself")
            << document(QByteArray(numberAt).replace("%1", "nan"))
            << document(QByteArray(numberAt).replace("%1", "nan")) << false << QStringList();
        QTest::newRow("15 and 20 differ at e 1")
            << document(QByteArray(numberAt).replace("%1", "15").replace("-2", "1"))
            << document(QByteArray(numberAt).replace("%1", "20").replace("-2", "1")) << false
            << QStringList{"N / T: 15 -> 20"};
        QTest::newRow("a number and a text") << document(QByteArray(numberAt).replace("%1", "7.5"))
                                             << document(QByteArray(numberAt).replace("%1", ""))
                                             << false << QStringList{"N / T: 7.5 -> \"\""};
        QTest::newRow("flags item by item")
            << document("<container name=\"F\"><signal name=\"O\" type=\"flags\" "
                        "value=\"o1:1 o2:0\">" +
                        kFlags + "</signal></container>")
            << document("<container name=\"F\"><signal name=\"O\" type=\"flags\" "
                        "value=\"o1:1 o2:1\">" +
                        kFlags + "</signal></container>")
            << false << QStringList{"F / O: Out 2 clear -> Out 2 set"};
        QTest::newRow("flags states written differently")
            << document("<container name=\"F\"><signal name=\"O\" type=\"flags\" "
                        "value=\"o1:1 o2:0\">" +
                        kFlags + "</signal></container>")
            << document("<container name=\"F\"><signal name=\"O\" type=\"flags\" "
                        "value=\"o1:01 o2:00\">" +
                        kFlags + "</signal></container>")
            << false << QStringList();
        QTest::newRow("enum by item name")
            << document("<container name=\"E\"><signal name=\"M\" type=\"enum\" value=\"m1\">" +
                        kModes + "</signal></container>")
            << document("<container name=\"E\"><signal name=\"M\" type=\"enum\" value=\"m9\">" +
                        kModes + "</signal></container>")
            << false << QStringList{"E / M: Manual -> m9 (no such item)"};
        QTest::newRow("enum keys renumbered: a declaration, not a value")
            << document("<container name=\"E\"><signal name=\"M\" type=\"enum\" value=\"m2\">" +
                        kModes + "</signal></container>")
            << document("<container name=\"E\"><signal name=\"M\" type=\"enum\" value=\"k2\">"
                        "<namedValues><item name=\"Manual\" key=\"k1\"/><item name=\"Auto\" "
                        "key=\"k2\"/></namedValues></signal></container>")
            << false
            << QStringList{
                   "E / M: declared items: Manual (m1), Auto (m2) -> Manual (k1), Auto (k2)"};
        QTest::newRow("bit, string and address")
            << document("<container name=\"K\"><signal name=\"B\" type=\"bit\" value=\"1\"/>"
                        "<signal name=\"S\" type=\"string\" value=\"ab\"/><signal name=\"I\" "
                        "type=\"ipAddress\" value=\"10.0.0.1\"/></container>")
            << document("<container name=\"K\"><signal name=\"B\" type=\"bit\" value=\"0\"/>"
                        "<signal name=\"S\" type=\"string\" value=\"ab \"/><signal name=\"I\" "
                        "type=\"ipAddress\" value=\"10.0.0.1\"/></container>")
            << false << QStringList{"K / B: 1 -> 0", "K / S: ab -> ab "};
        QTest::newRow("limits and kind are declarations")
            << document("<container name=\"D\"><signal name=\"X\" type=\"number\" max=\"60\" "
                        "value=\"5\"/><signal name=\"Y\" type=\"number\" value=\"5\"/></container>")
            << document("<container name=\"D\"><signal name=\"X\" type=\"number\" max=\"60.0\" "
                        "e=\"0\" value=\"5\"/><signal name=\"Y\" type=\"string\" value=\"5\"/>"
                        "</container>",
                        "2")
            << false
            << QStringList{"formatVerMaj: 1 -> 2", "D / X: declared e: (none) -> 0",
                           "D / Y: declared kind: number -> string"};
        QTest::newRow("nesting, added and removed")
            << document("<container name=\"A\"><signal name=\"Old\" type=\"bit\" value=\"1\"/>"
                        "<container name=\"B\"><signal name=\"X\" type=\"bit\" value=\"1\"/>"
                        "<container name=\"C\"/></container></container>")
            << document("<container name=\"A\"><signal name=\"New\" type=\"string\" value=\"n\"/>"
                        "</container><container name=\"B\"><signal name=\"X\" type=\"bit\" "
                        "value=\"1\"/></container>")
            << false
            << QStringList{"- A / Old: 1", "- A/B (container)", "+ A / New: n", "+ B (container)"};
        QTest::newRow("repeated labels by key, repeated containers by number")
            << document("<container name=\"R\"><signal name=\"P\" key=\"k1\" type=\"bit\" "
                        "value=\"1\"/><signal name=\"P\" key=\"k2\" type=\"bit\" value=\"1\"/>"
                        "</container><container name=\"R\"><signal name=\"Q\" type=\"bit\" "
                        "value=\"1\"/></container>")
            << document("<container name=\"R\"><signal name=\"P\" key=\"k2\" type=\"bit\" "
                        "value=\"0\"/><signal name=\"P\" key=\"k1\" type=\"bit\" value=\"1\"/>"
                        "</container><container name=\"R\"><signal name=\"Q\" type=\"bit\" "
                        "value=\"0\"/></container>")
            << false << QStringList{"R / P [k2]: 1 -> 0", "R#2 / Q: 1 -> 0"};
        const QByteArray inH = "<signal name=\"V\" type=\"bit\" value=\"%1\"/>";
        QTest::newRow("hidden on both sides: left out")
            << document(hiding("0", QByteArray(inH).replace("%1", "1")))
            << document(hiding("0", QByteArray(inH).replace("%1", "0"))) << false << QStringList();
        QTest::newRow("hidden on both sides with --all")
            << document(hiding("0", QByteArray(inH).replace("%1", "1")))
            << document(hiding("0", QByteArray(inH).replace("%1", "0"))) << true
            << QStringList{"H / V: 1 -> 0 (hidden)"};
        QTest::newRow("hidden on one side: kept")
            << document(hiding("1", QByteArray(inH).replace("%1", "1")))
            << document(hiding("0", QByteArray(inH).replace("%1", "0"))) << false
            << QStringList{"S / On: 1 -> 0", "H / V: 1 -> 0 (hidden in B)"};
        QTest::newRow("hidden container only in A")
            << document(hiding("0", QByteArray(inH).replace("%1", "1")))
            << document("<container name=\"S\"><signal name=\"On\" key=\"on\" type=\"bit\" "
                        "value=\"0\"/></container>")
            << true << QStringList{"- H (container) (hidden)"};
    }

    void differences()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, all);
        QFETCH(QStringList, lines);
        const QString text =
            DifferenceReport::text(SettingsComparison::compare(snapshotOf(a), snapshotOf(b), all));
        QCOMPARE(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), lines);
    }

    void exactText_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<QStringList>("lines");
        const QByteArray flags = "<container name=\"F\"><signal name=\"O\" type=\"flags\" "
                                 "value=\"o1:1\"><namedValues><item name=\"Out 1\" key=\"o1\"/>"
                                 "</namedValues></signal></container>";
        QTest::newRow("layout and attribute order are no difference")
            << document(flags)
            << document("\n <container name=\"F\">\n  <signal value=\"o1:1\" type=\"flags\" "
                        "name=\"O\">\n<namedValues> <item key=\"o1\" name=\"Out 1\"/>\n"
                        "</namedValues></signal></container>\n")
            << QStringList();
        const QByteArray hidden = "<signal name=\"V\" type=\"bit\" value=\"%1\"/>";
        QTest::newRow("texts that mean the same, hidden ones too")
            << document(hiding("0", QByteArray(hidden).replace("%1", "1")) +
                        "<container name=\"N\" id=\"1\"><signal name=\"T\" type=\"number\" "
                        "e=\"-2\" max=\"60\" value=\"7.5\"/></container>")
            << document(hiding("0", QByteArray(hidden).replace("%1", "01")) +
                            "<container name=\"N\" id=\"2\"><signal name=\"T\" "
                            "type=\"number\" e=\"-2\" max=\"60.0\" value=\"7.50\"/></container>",
                        "01")
            << QStringList{"formatVerMaj: 1 -> 01", "H / V: 1 -> 01 (hidden)",
                           "N (container): declared id: 1 -> 2", "N / T: declared max: 60 -> 60.0",
                           "N / T: 7.5 -> 7.50"};
        QTest::newRow("an attribute and the elements below")
            << document(flags)
            << document(QByteArray(flags)
                            .replace("type=", "measure=\"V\" type=")
                            .replace("key=\"o1\"", "key=\"o1\" note=\"x\""))
            << QStringList{"F / O: declared measure: (none) -> V",
                           "F / O: declared elements: <namedValues><item key=\"o1\" name=\"Out "
                           "1\"/></namedValues> -> <namedValues><item key=\"o1\" name=\"Out 1\" "
                           "note=\"x\"/></namedValues>"};
    }

    void exactText()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(QStringList, lines);
        QDomDocument documents[2];
        QVERIFY(documents[0].setContent(a) && documents[1].setContent(b));
        const QString text = DifferenceReport::text(SettingsComparison::compare(
            documents[0], documents[1], true, SettingsComparison::Mode::ExactText));
        QCOMPARE(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), lines);
    }

    // The settings a load leaves hidden are those the editor hides: the
    // report leaves out exactly these.
    void hiddenAsTheEditorHides_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("every operator") << QStringLiteral(LIR_TEST_DATA_DIR "/all_conditions.xml");
        QTest::newRow("ЛИР-1 default") << QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");
        QTest::newRow("ЛИР-2 default") << QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml");
        QTest::newRow("odd sources") << QStringLiteral("odd");
    }

    void hiddenAsTheEditorHides()
    {
        QFETCH(QString, fileName);
        QByteArray text = DocumentHelpers::readFile(fileName);
        if (fileName == QLatin1String("odd")) {
            // Keys that read as numbers pick items; the last of two enum
            // items with the value's key is chosen; undetermined boxes count
            // as clear; a string source never acts; conditions add up.
            text = document(
                "<container name=\"Src\"><signal name=\"E\" key=\"e\" type=\"enum\" value=\"7\">"
                "<namedValues><item name=\"a\" key=\"7\"/><item name=\"b\" key=\"7\"/>"
                "<item name=\"c\" key=\"3\"/></namedValues></signal>"
                "<signal name=\"F\" key=\"f\" type=\"flags\" value=\"x:0\"><namedValues>"
                "<item name=\"x\" key=\"x\"/><item name=\"y\" key=\"y\"/></namedValues></signal>"
                "<signal name=\"Bn\" key=\"b\" type=\"bit\"/>"
                "<signal name=\"S\" key=\"s\" type=\"string\" value=\"1\"/></container>"
                "<container name=\"T\">"
                "<signal name=\"t1\" type=\"bit\" value=\"1\"><hideConds><c s=\"e\" o=\"BT\" "
                "v=\"7\"/></hideConds></signal>"
                "<signal name=\"t2\" type=\"bit\" value=\"1\"><hideConds><c s=\"f\" o=\"BT\" "
                "v=\"0\"/></hideConds></signal>"
                "<signal name=\"t3\" type=\"bit\" value=\"1\"><hideConds><c s=\"b\" o=\"EQ\" "
                "v=\"0\"/></hideConds></signal>"
                "<signal name=\"t4\" type=\"bit\" value=\"1\"><hideConds><c s=\"s\" o=\"EQ\" "
                "v=\"1\"/></hideConds></signal>"
                "<signal name=\"t5\" type=\"bit\" value=\"1\"><hideConds><c s=\"e\" o=\"NB\" "
                "v=\"3\"/><c s=\"f\" o=\"GT\" "
                "v=\"0\"/></hideConds></signal><container name=\"U\"><hideConds><c s=\"b\" "
                "o=\"BT\" v=\"0\"/></hideConds><signal name=\"u\" type=\"bit\" "
                "value=\"1\"/></container></container>");
        }
        LoadedEditor editor;
        QCOMPARE(editor.load(text), XMLWork::LoadResult::Loaded);
        const QList<LineInBox*> lines = editor.allLines();
        QVector<SettingsModel::Setting> settings = snapshotOf(text).settings;
        // The tree lists containers in the walk's order, each with its lines.
        std::stable_sort(settings.begin(), settings.end(),
                         [](const auto& x, const auto& y) { return x.container < y.container; });
        QCOMPARE(settings.size(), lines.size());
        int hidden = 0;
        for (int i = 0; i < lines.size(); ++i) {
            LineInBox* line = lines.at(i);
            bool shown = line->m_Visible;
            for (QTreeWidgetItem* item =
                     editor.window.findTreeWidgetOfBox(qobject_cast<BoxForLines*>(line->parent()));
                 item; item = item->parent())
                shown = shown && !item->isHidden();
            QVERIFY(line->m_LabelName->text().startsWith(settings.at(i).name));
            QVERIFY2(settings.at(i).hidden == !shown, qPrintable(settings.at(i).name));
            hidden += shown ? 0 : 1;
        }
        QVERIFY(hidden > 0);
    }
};

LIR_TEST_CLASS(TestSettingsComparison)
#include "tst_SettingsComparison.moc"
