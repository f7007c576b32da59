#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "conditions/HideConds.h"
#include "conditions/HideConds_Cont.h"
#include "conditions/SlotForHideConds.h"
#include "conditions/SlotForHideConds_Cont.h"
#include "lines/LineInBox.h"

#include <QAbstractButton>
#include <QDomElement>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
QByteArray inOneContainer(const QString& settings)
{
    return (QStringLiteral("<lir1Settings formatVerMaj=\"1\"><container name=\"C\">") + settings +
            QStringLiteral("</container></lir1Settings>"))
        .toUtf8();
}

QString target(const QString& name, const QString& conditions)
{
    return QStringLiteral("<signal name=\"%1\" type=\"bit\" value=\"1\"><hideConds>%2</hideConds>"
                          "</signal>")
        .arg(name, conditions);
}

QString cond(const QString& s, const QString& o, int v)
{
    return QStringLiteral("<c s=\"%1\" o=\"%2\" v=\"%3\"/>").arg(s, o).arg(v);
}

QAbstractButton* button(LineInBox* line, int index = 0)
{
    return qobject_cast<QAbstractButton*>(line->m_Widgets.value(index));
}

// Every target's counter equals the number of its receivers that count
// their condition as holding.
bool countersMatchReceivers(const LoadedEditor& editor)
{
    QHash<const void*, int> active;
    for (LineInBox* line : editor.allLines()) {
        for (auto* receiver : line->findChildren<SlotForHideConds*>())
            active[receiver->m_Target] += receiver->m_Active ? 1 : 0;
        for (auto* receiver : line->findChildren<SlotForHideConds_Cont*>())
            active[receiver->m_Target] += receiver->m_Active ? 1 : 0;
    }
    for (LineInBox* line : editor.allLines()) {
        if (line->m_HideCount != active.value(line) || line->m_Visible != (line->m_HideCount == 0))
            return false;
    }
    for (QTreeWidgetItemIterator it(editor.window.m_Tree); *it; ++it) {
        auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it);
        if (item && (item->m_HideCount != active.value(item) ||
                     item->isHidden() != (item->m_HideCount != 0)))
            return false;
    }
    return true;
}
} // namespace

class TestConditions : public QObject
{
    Q_OBJECT

private slots:
    void numberSource_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<bool>("hiddenAtLoad");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("hiddenAfterEdit");
        QTest::newRow("EQ") << "EQ" << 25 << "25.0" << true << "24" << false;
        QTest::newRow("NE") << "NE" << 25 << "25.0" << false << "26" << true;
        QTest::newRow("GT") << "GT" << 10 << "10.0" << false << "11" << true;
        QTest::newRow("GT, back to 10") << "GT" << 10 << "11.0" << true << "10" << false;
        QTest::newRow("GE") << "GE" << 10 << "9.5" << false << "10" << true;
        QTest::newRow("LT") << "LT" << 0 << "-0.5" << true << "0" << false;
        QTest::newRow("LE, negative") << "LE" << -5 << "-5.0" << true << "-4.9" << false;
        QTest::newRow("decimal read as a number") << "GT" << 2 << "2.5" << true << "1.5" << false;
        QTest::newRow("BT never on a number") << "BT" << 0 << "1.0" << false << "0" << false;
        QTest::newRow("NB never on a number") << "NB" << 0 << "0.0" << false << "1" << false;
        QTest::newRow("no operator") << "XX" << 0 << "0.0" << false << "1" << false;
        QTest::newRow("a source longer than its editor decides on its whole value")
            << "GT" << 2 << QString(32767, '0') + "5" << true << "1" << false;
    }

    void numberSource()
    {
        QFETCH(QString, op);
        QFETCH(int, v);
        QFETCH(QString, loaded);
        QFETCH(bool, hiddenAtLoad);
        QFETCH(QString, typed);
        QFETCH(bool, hiddenAfterEdit);
        LoadedEditor editor;
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"N\" key=\"n\" type=\"number\" min=\"-100\" max=\"100\" "
                           "e=\"-1\" value=\"%1\"/>")
                .arg(loaded) +
            target(QStringLiteral("T"), cond(QStringLiteral("n"), op, v))));
        LineInBox* t = editor.line(QStringLiteral("T"));
        QVERIFY(t);
        QCOMPARE(!t->m_Visible, hiddenAtLoad);
        LoadedEditor::finishNumber(editor.line(QStringLiteral("N")), typed);
        QCOMPARE(!t->m_Visible, hiddenAfterEdit);
        QVERIFY(countersMatchReceivers(editor));
        QCOMPARE(editor.dialogs.shown().size(), 0);
    }

    void bitSource_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<bool>("hiddenAtLoad");
        QTest::addColumn<bool>("hiddenAfterClick");
        QTest::newRow("BT, loaded set") << "BT" << 0 << "1" << true << false;
        QTest::newRow("BT, loaded clear") << "BT" << 0 << "0" << false << true;
        QTest::newRow("NB, loaded clear") << "NB" << 0 << "0" << true << false;
        QTest::newRow("NB, loaded set") << "NB" << 0 << "1" << false << true;
        QTest::newRow("EQ 0, loaded clear") << "EQ" << 0 << "0" << true << false;
        QTest::newRow("NE 0, loaded set") << "NE" << 0 << "1" << true << false;
        QTest::newRow("undetermined counts as clear") << "BT" << 0 << "" << false << true;
        QTest::newRow("GT never on a check box") << "GT" << 0 << "1" << false << false;
        QTest::newRow("v 1: the box has no key 1, never wired")
            << "BT" << 1 << "1" << false << false;
        QTest::newRow("v 1 under NB stays shown") << "NB" << 1 << "1" << false << false;
    }

    void bitSource()
    {
        QFETCH(QString, op);
        QFETCH(int, v);
        QFETCH(QString, loaded);
        QFETCH(bool, hiddenAtLoad);
        QFETCH(bool, hiddenAfterClick);
        LoadedEditor editor;
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"B\" key=\"b\" type=\"bit\" value=\"%1\"/>").arg(loaded) +
            target(QStringLiteral("T"), cond(QStringLiteral("b"), op, v))));
        LineInBox* t = editor.line(QStringLiteral("T"));
        QCOMPARE(!t->m_Visible, hiddenAtLoad);
        button(editor.line(QStringLiteral("B")))->click();
        QCOMPARE(!t->m_Visible, hiddenAfterClick);
        QVERIFY(countersMatchReceivers(editor));
    }

    void itemSourcesPickTheirItemByValue()
    {
        LoadedEditor editor;
        const QString items = QStringLiteral("<namedValues><item name=\"I0\" key=\"0\"/>"
                                             "<item name=\"I1\" key=\"1\"/>"
                                             "<item name=\"I2\" key=\"2\"/></namedValues>");
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"F\" key=\"f\" type=\"flags\" value=\"0:0 1:1 2:0\">") +
            items + QStringLiteral("</signal>") +
            QStringLiteral("<signal name=\"E\" key=\"e\" type=\"enum\" value=\"1\">") + items +
            QStringLiteral("</signal>") +
            target(QStringLiteral("F1 EQ 1"), cond(QStringLiteral("f"), QStringLiteral("EQ"), 1)) +
            target(QStringLiteral("F2 BT"), cond(QStringLiteral("f"), QStringLiteral("BT"), 2)) +
            target(QStringLiteral("F0 NB"), cond(QStringLiteral("f"), QStringLiteral("NB"), 0)) +
            target(QStringLiteral("E1 BT"), cond(QStringLiteral("e"), QStringLiteral("BT"), 1)) +
            target(QStringLiteral("E2 NB"), cond(QStringLiteral("e"), QStringLiteral("NB"), 2))));
        QCOMPARE(editor.visibleLines(), QStringList({"F", "E", "F2 BT"}));

        button(editor.line(QStringLiteral("F")), 2)->click();
        button(editor.line(QStringLiteral("E")), 2)->click();
        QCOMPARE(editor.visibleLines(), QStringList({"F", "E", "E1 BT", "E2 NB"}));
        QVERIFY(countersMatchReceivers(editor));
    }

    void twoConditionsOnOneTarget()
    {
        LoadedEditor editor;
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"A\" key=\"a\" type=\"bit\" value=\"0\"/>"
                           "<signal name=\"B\" key=\"b\" type=\"bit\" value=\"0\"/>") +
            target(QStringLiteral("T"), cond(QStringLiteral("a"), QStringLiteral("NB"), 0) +
                                            cond(QStringLiteral("b"), QStringLiteral("NB"), 0))));
        LineInBox* t = editor.line(QStringLiteral("T"));
        QCOMPARE(int(t->m_HideCount), 2);
        QVERIFY(!t->m_Visible);
        button(editor.line(QStringLiteral("A")))->click();
        QCOMPARE(int(t->m_HideCount), 1);
        QVERIFY(!t->m_Visible);
        button(editor.line(QStringLiteral("B")))->click();
        QCOMPARE(int(t->m_HideCount), 0);
        QVERIFY(t->m_Visible);
        QVERIFY(!t->m_Editor->isHidden());
        button(editor.line(QStringLiteral("A")))->click();
        QCOMPARE(int(t->m_HideCount), 1);
        QVERIFY(t->m_Editor->isHidden());
        QVERIFY(t->m_LabelName->isHidden());
        QVERIFY(t->m_Separator->isHidden());
        QVERIFY(countersMatchReceivers(editor));
    }

    void conditionWithoutSourceKeyMatchesLinesWithoutKey()
    {
        LoadedEditor editor;
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"NoKey\" type=\"bit\" value=\"0\"/>"
                           "<signal name=\"EmptyKey\" key=\"\" type=\"bit\" value=\"1\"/>"
                           "<signal name=\"T\" key=\"t\" type=\"bit\" value=\"1\"><hideConds>"
                           "<c o=\"NB\" v=\"0\"/></hideConds></signal>")));
        // Wired to both: NoKey is clear, so the condition holds once.
        LineInBox* t = editor.line(QStringLiteral("T"));
        QCOMPARE(int(t->m_HideCount), 1);
        button(editor.line(QStringLiteral("NoKey")))->click();
        QVERIFY(t->m_Visible);
        button(editor.line(QStringLiteral("EmptyKey")))->click();
        QVERIFY(!t->m_Visible);
        QVERIFY(countersMatchReceivers(editor));
    }

    void sourceKindsThatCannotDrive_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("string") << "string";
        QTest::newRow("macAddress") << "macAddress";
        QTest::newRow("ipAddress") << "ipAddress";
    }

    void sourceKindsThatCannotDrive()
    {
        QFETCH(QString, type);
        LoadedEditor editor;
        // Two lines share the key, and two conditions name it: one message
        // per condition and matching line.
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"S1\" key=\"s\" type=\"%1\"/>"
                           "<signal name=\"S2\" key=\"s\" type=\"%1\"/>")
                .arg(type) +
            target(QStringLiteral("T1"), cond(QStringLiteral("s"), QStringLiteral("EQ"), 0)) +
            target(QStringLiteral("T2"), cond(QStringLiteral("s"), QStringLiteral("NE"), 0))));
        const QString message = QStringLiteral("about|Error HideConds::createSignal|Not know");
        QCOMPARE(editor.dialogs.messages(), QStringList({message, message, message, message}));
        QCOMPARE(editor.visibleLines().size(), 4);
    }

    void containerConditionsHideTheSubtree()
    {
        LoadedEditor editor;
        editor.loadFile(QStringLiteral(LIR_TEST_DATA_DIR "/all_conditions.xml"));
        TreeWidgetItemLineInLeftTree* condBox = editor.item(QStringLiteral("CondBox"));
        TreeWidgetItemLineInLeftTree* condShown = editor.item(QStringLiteral("CondShown"));
        QVERIFY(condBox && condShown);
        QVERIFY(condBox->isHidden());
        QVERIFY(!condShown->isHidden());
        // A hidden item hides the items nested in it.
        QVERIFY(
            editor.window.m_Tree->visualItemRect(editor.item(QStringLiteral("SubBox"))).isEmpty());

        button(editor.line(QStringLiteral("Bit")))->click();
        QVERIFY(!condBox->isHidden());
        QVERIFY(condShown->isHidden());
        QVERIFY(countersMatchReceivers(editor));
    }

    void documentWithConditionsOfEveryKind()
    {
        LoadedEditor editor;
        editor.loadFile(QStringLiteral(LIR_TEST_DATA_DIR "/all_conditions.xml"));
        QCOMPARE(editor.dialogs.shown().size(), 0);
        const QStringList always = {"Num", "Bit", "Flg", "Mode"};
        QCOMPARE(editor.visibleLines(),
                 always + QStringList({"T_NE", "T_GE", "T_LE", "T_BT", "T_FNE", "T_ENE", "InBox",
                                       "InSub", "InShown", "InSubShown"}));
        QVERIFY(countersMatchReceivers(editor));

        LoadedEditor::finishNumber(editor.line(QStringLiteral("Num")), QStringLiteral("30"));
        QCOMPARE(editor.line(QStringLiteral("Num"))->m_Element->attribute("value"),
                 QStringLiteral("30.0"));
        button(editor.line(QStringLiteral("Bit")))->click();
        button(editor.line(QStringLiteral("Flg")), 0)->click();
        button(editor.line(QStringLiteral("Mode")), 0)->click();
        QCOMPARE(editor.visibleLines(),
                 always + QStringList({"T_EQ", "T_LT", "T_LE", "T_NB", "T_FEQ", "T_FNE", "T_EEQ",
                                       "InBox", "InSub", "InShown", "InSubShown"}));
        QVERIFY(countersMatchReceivers(editor));
    }

    void conditionsNeverCarryOver()
    {
        LoadedEditor editor;
        // The first document's condition names a key it lacks; the second
        // document has a line with that key and no conditions.
        editor.load(inOneContainer(
            target(QStringLiteral("T"), cond(QStringLiteral("later"), QStringLiteral("NB"), 0))));
        QVERIFY(g_HideConds->m_Conds.isEmpty());
        QVERIFY(g_HideConds_Cont->m_Conds.isEmpty());
        editor.load(inOneContainer(
            QStringLiteral("<signal name=\"L\" key=\"later\" type=\"bit\" value=\"0\"/>"
                           "<signal name=\"T\" type=\"bit\" value=\"1\"/>")));
        QCOMPARE(editor.visibleLines(), QStringList({"L", "T"}));
        QVERIFY(editor.line(QStringLiteral("L"))->findChildren<QObject*>().isEmpty() ||
                editor.line(QStringLiteral("L"))->findChildren<SlotForHideConds*>().isEmpty());
    }
};

LIR_TEST_CLASS(TestConditions)
#include "tst_Conditions.moc"
