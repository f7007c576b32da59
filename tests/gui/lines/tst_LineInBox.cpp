#include "LineScreen.h"

#include "app/BoxForLines.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "lines/IP4Validator.h"
#include "lines/LineInBox.h"
#include "lines/MACValidator.h"
#include "lines/MinMaxValidator.h"
#include "lines/STR1Validator.h"
#include "lines/STR2Validator.h"
#include "lines/STR3Validator.h"
#include "lines/STR4Validator.h"
#include "lines/STR5Validator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>

namespace {
const QString kFlags3 =
    QStringLiteral("<signal name=\"Outputs\" type=\"flags\" value=\"o1:1 o2:0 o3:1\"><namedValues>"
                   "<item name=\"Output 1\" key=\"o1\"/><item name=\"Output 2\" key=\"o2\"/>"
                   "<item name=\"Output 3\" key=\"o3\"/></namedValues></signal>");
const QString kEnum =
    QStringLiteral("<signal name=\"Mode\" type=\"enum\" value=\"m2\"><namedValues>"
                   "<item name=\"Manual\" key=\"m1\"/><item name=\"Automatic\" key=\"m2\"/>"
                   "</namedValues></signal>");

QString validatorName(const QValidator* validator)
{
    if (!validator)
        return QStringLiteral("none");
    if (dynamic_cast<const STR1Validator*>(validator))
        return QStringLiteral("STR1");
    if (dynamic_cast<const STR2Validator*>(validator))
        return QStringLiteral("STR2");
    if (dynamic_cast<const STR3Validator*>(validator))
        return QStringLiteral("STR3");
    if (dynamic_cast<const STR4Validator*>(validator))
        return QStringLiteral("STR4");
    if (dynamic_cast<const STR5Validator*>(validator))
        return QStringLiteral("STR5");
    if (auto* ip = dynamic_cast<const IP4Validator*>(validator))
        return QStringLiteral("IP4 ") + ip->m_Default;
    if (auto* mac = dynamic_cast<const MACValidator*>(validator))
        return QStringLiteral("MAC ") + mac->m_Default;
    if (auto* number = dynamic_cast<const MinMaxValidator*>(validator)) {
        return QStringLiteral("MinMax %1 %2 %3")
            .arg(number->m_Max)
            .arg(number->m_Min)
            .arg(number->m_Exp);
    }
    return QStringLiteral("other");
}

// What a check box paints, which is not always what checkState() says.
struct CheckBoxLook : QCheckBox
{
    static QStyle::State of(const QCheckBox* box)
    {
        QStyleOptionButton option;
        (box->*(&CheckBoxLook::initStyleOption))(&option);
        return option.state;
    }
};

// One word per editor: a line edit's text, "set"/"clear"/"undetermined" for
// check boxes, "on"/"off" for radio buttons.
QString editorStates(const LineInBox* line)
{
    QStringList states;
    for (QWidget* widget : line->m_Widgets) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            states << edit->text();
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            states << (radio->isChecked() ? QStringLiteral("on") : QStringLiteral("off"));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            const QStyle::State shown = CheckBoxLook::of(box);
            states << (shown & QStyle::State_NoChange ? QStringLiteral("undetermined")
                       : shown & QStyle::State_On     ? QStringLiteral("set")
                                                      : QStringLiteral("clear"));
        }
    }
    return states.join(QLatin1Char(' '));
}

QLineEdit* lineEdit(const LineInBox* line)
{
    return qobject_cast<QLineEdit*>(line->m_Widgets.value(0));
}

QColor baseColour(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Active, QPalette::Base);
}
} // namespace

class TestLineInBox : public QObject
{
    Q_OBJECT

private slots:
    void editorsAfterConstruction_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("editors"); // class:text:objectName per editor
        QTest::addColumn<QString>("states");
        QTest::newRow("flags: three undetermined check boxes")
            << kFlags3 << int(xmlFlags)
            << "QCheckBox:Output 1:o1 QCheckBox:Output 2:o2 QCheckBox:Output 3:o3"
            << "undetermined undetermined undetermined";
        QTest::newRow("enum: unchosen radio buttons")
            << kEnum << int(xmlenum) << "QRadioButton:Manual:m1 QRadioButton:Automatic:m2"
            << "off off";
        QTest::newRow("bit: one check box without text")
            << "<signal name=\"On\" type=\"bit\" value=\"1\"/>" << int(xmlbit) << "QCheckBox::"
            << "undetermined";
        QTest::newRow("number") << "<signal name=\"N\" type=\"number\" min=\"1\" max=\"9\" "
                                   "value=\"5\"/>"
                                << int(xmlnumber) << "QLineEdit::"
                                << "";
        QTest::newRow("string") << "<signal name=\"S\" type=\"string\" value=\"x\"/>"
                                << int(xmlstring) << "QLineEdit::"
                                << "";
        QTest::newRow("macAddress")
            << "<signal name=\"M\" type=\"macAddress\"/>" << int(xmlmacAddress) << "QLineEdit::"
            << "";
        QTest::newRow("ipAddress")
            << "<signal name=\"I\" type=\"ipAddress\"/>" << int(xmlipAddress) << "QLineEdit::"
            << "";
        QTest::newRow("ipAddress and string: string is searched first")
            << "<signal name=\"I\" type=\"ipAddress string\"/>" << int(xmlstring) << "QLineEdit::"
            << "";
        QTest::newRow("flags: a comment ends the items")
            << "<signal name=\"F\" type=\"flags\"><namedValues><item name=\"A\" key=\"a\"/>"
               "<!-- c --><item name=\"B\" key=\"b\"/></namedValues></signal>"
            << int(xmlFlags) << "QCheckBox:A:a"
            << "undetermined";
        QTest::newRow("flags: an element of another tag still counts")
            << "<signal name=\"F\" type=\"flags\"><namedValues><item name=\"A\" key=\"a\"/>"
               "<other name=\"B\" key=\"b\"/></namedValues></signal>"
            << int(xmlFlags) << "QCheckBox:A:a QCheckBox:B:b"
            << "undetermined undetermined";
        QTest::newRow("enum: the list starts at the first item")
            << "<signal name=\"E\" type=\"enum\"><namedValues><note/><item name=\"A\" "
               "key=\"a\"/></namedValues></signal>"
            << int(xmlenum) << "QRadioButton:A:a"
            << "off";
    }

    void editorsAfterConstruction()
    {
        QFETCH(QString, setting);
        QFETCH(int, kind);
        QFETCH(QString, editors);
        QFETCH(QString, states);
        LineScreen screen(setting);
        const LineInBox* line = screen.line();
        QCOMPARE(int(line->m_TypeLine), kind);
        QStringList described;
        for (QWidget* widget : line->m_Widgets) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            described << QString::fromLatin1(widget->metaObject()->className()) + ':' + text + ':' +
                             widget->objectName();
            QCOMPARE(widget->parentWidget(), line->m_Editor);
        }
        QCOMPARE(described.join(' '), editors);
        QCOMPARE(editorStates(line), states);
        QVERIFY(qobject_cast<QVBoxLayout*>(line->m_Editor->layout()));
        QVERIFY(screen.dialogs.shown().isEmpty());
    }

    void lineEditLimits_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("validator");
        QTest::newRow("number with limits and e")
            << "<signal type=\"number\" min=\"-2.5\" max=\"60\" e=\"-1\"/>" << 32767
            << "MinMax 60 -2.5 -1";
        QTest::newRow("number without e: -999")
            << "<signal type=\"number\" min=\"1\" max=\"9\"/>" << 32767 << "MinMax 9 1 -999";
        QTest::newRow("number with empty e: 0")
            << "<signal type=\"number\" min=\"1\" max=\"9\" e=\"\"/>" << 32767 << "MinMax 9 1 0";
        QTest::newRow("number without limits")
            << "<signal type=\"number\" e=\"0\"/>" << 32767 << "MinMax 0 0 0";
        QTest::newRow("string class 1")
            << "<signal type=\"string\" lenMax=\"8\" letters=\"latin\"/>" << 8 << "STR1";
        QTest::newRow("string class 2")
            << "<signal type=\"string\" letters=\"any\"/>" << 32767 << "STR2";
        QTest::newRow("string class 3")
            << "<signal type=\"string\" letters=\"phone\"/>" << 32767 << "STR3";
        QTest::newRow("string class 4")
            << "<signal type=\"string\" letters=\"ident\"/>" << 32767 << "STR4";
        QTest::newRow("string class 5")
            << "<signal type=\"string\" letters=\"ascii\"/>" << 32767 << "STR5";
        QTest::newRow("string with unknown symbol")
            << "<signal type=\"string\" letters=\"xyz\"/>" << 32767 << "none";
        QTest::newRow("string with code 6")
            << "<signal type=\"string\" letters=\"six\"/>" << 32767 << "none";
        QTest::newRow("string with code 0")
            << "<signal type=\"string\" letters=\"zero\"/>" << 32767 << "none";
        QTest::newRow("macAddress")
            << "<signal type=\"macAddress\"/>" << 17 << "MAC 00:00:00:00:00:00";
        QTest::newRow("ipAddress: 16, not 15")
            << "<signal type=\"ipAddress\"/>" << 16 << "IP4 192.168.0.1";
    }

    void lineEditLimits()
    {
        QFETCH(QString, setting);
        QFETCH(int, maxLength);
        QFETCH(QString, validator);
        LineScreen screen(setting);
        const QLineEdit* edit = lineEdit(screen.line());
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), maxLength);
        QCOMPARE(validatorName(edit->validator()), validator);
        if (edit->validator())
            QCOMPARE(edit->validator()->parent(), screen.line());
        QVERIFY(edit->text().isEmpty());
    }

    void caption_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("caption");
        QTest::newRow("with measure") << "<signal name=\"Timeout\" measure=\"s\" type=\"bit\"/>"
                                      << "Timeout, s";
        QTest::newRow("no name") << "<signal type=\"bit\"/>"
                                 << "";
    }

    void caption()
    {
        QFETCH(QString, setting);
        QFETCH(QString, caption);
        LineScreen screen(setting);
        QCOMPARE(screen.line()->m_LabelName->text(), caption);
    }

    void hint_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("message");
        const QString head = QStringLiteral("Максимальная длина: 8<br>Разрешённые символы:<ul>");
        QTest::newRow("limits as written") << "<signal type=\"number\" min=\"0.50\" max=\"60\"/>"
                                           << "Минимум: 0.50<br>Максимум: 60"
                                           << "";
        QTest::newRow("only min: no hint") << "<signal type=\"number\" min=\"1\"/>"
                                           << ""
                                           << "";
        QTest::newRow("limits win over lenMax")
            << "<signal type=\"string\" min=\"1\" max=\"2\" lenMax=\"8\"/>"
            << "Минимум: 1<br>Максимум: 2"
            << "";
        QTest::newRow("lenMax alone") << "<signal type=\"string\" lenMax=\"8\"/>"
                                      << "Максимальная длина: 8"
                                      << "";
        QTest::newRow("class 1") << "<signal type=\"string\" lenMax=\"8\" letters=\"latin\"/>"
                                 << head + "<li>Десятичные цифры</li><li>Латинские буквы</li></ul>"
                                 << "";
        QTest::newRow("class 2")
            << "<signal type=\"string\" lenMax=\"8\" letters=\"any\"/>"
            << head + "<li>Пробел</li><li>Десятичные цифры</li><li>Латинские буквы</li>"
                      "<li>Русские буквы</li><li>Знаки препинания, скобки и т.д.</li></ul>"
            << "";
        QTest::newRow("class 3") << "<signal type=\"string\" lenMax=\"8\" letters=\"phone\"/>"
                                 << head +
                                        "<li>Пробел</li><li>Десятичные цифры</li><li>'+'</li></ul>"
                                 << "";
        QTest::newRow("class 4")
            << "<signal type=\"string\" lenMax=\"8\" letters=\"ident\"/>"
            << head + "<li>Пробел</li><li>Десятичные цифры</li><li>Латинские буквы</li></ul>"
            << "";
        QTest::newRow("class 5")
            << "<signal type=\"string\" lenMax=\"8\" letters=\"ascii\"/>"
            << head + "<li>Пробел</li><li>Десятичные цифры</li><li>Латинские буквы</li>"
                      "<li>Знаки препинания, скобки и т.д.</li></ul>"
            << "";
        QTest::newRow("unknown symbol") << "<signal type=\"string\" lenMax=\"8\" letters=\"xyz\"/>"
                                        << "Максимальная длина: 8"
                                        << "about|Error attribute(\"letters\")|Номер строки =4";
        QTest::newRow("code 6") << "<signal type=\"string\" lenMax=\"8\" letters=\"six\"/>"
                                << "Максимальная длина: 8"
                                << "about|Error attribute(\"letters\")|Номер строки =4";
        QTest::newRow("letters without lenMax: no hint, no message")
            << "<signal type=\"string\" letters=\"xyz\"/>"
            << ""
            << "";
    }

    void hint()
    {
        QFETCH(QString, setting);
        QFETCH(QString, hint);
        QFETCH(QString, message);
        LineScreen screen(setting);
        QCOMPARE(screen.line()->m_Hint->text(), hint);
        QCOMPARE(screen.dialogs.messages().join('\n'), message);
        if (!message.isEmpty())
            QCOMPARE(screen.dialogs.shown().first().parent, nullptr);
    }

    void faultyElements_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("editors");
        QTest::newRow("flags without namedValues")
            << "<signal type=\"flags\"/>"
            << QStringList{"about|Error contains| (\"namedValues\") in flags. Номер строки =5"}
            << 0;
        QTest::newRow("enum without namedValues")
            << "<signal type=\"enum\"/>"
            << QStringList{"about|Error contains|(\"namedValues\") in flags. Номер строки =5"} << 0;
        QTest::newRow("flags: namedValues without item")
            << "<signal type=\"flags\"><namedValues><other/></namedValues></signal>"
            << QStringList{"about|Error contains|(\"item\") in namedValues. Номер строки =5"} << 0;
        QTest::newRow("enum: namedValues without item")
            << "<signal type=\"enum\"><namedValues/></signal>"
            << QStringList{"about|Error contains|(\"item\") in namedValues. Номер строки =5"} << 0;
        QTest::newRow("flags item without key")
            << "<signal type=\"flags\"><namedValues><item name=\"A\"/><item name=\"B\" "
               "key=\"b\"/></namedValues></signal>"
            << QStringList{"about|In item|not found \"key\". Номер строки =5"} << 2;
        QTest::newRow("enum items with empty keys")
            << "<signal type=\"enum\"><namedValues><item name=\"A\" key=\"\"/><item "
               "name=\"B\"/></namedValues></signal>"
            << QStringList{"about|In item|not found \"key\". Номер строки =5",
                           "about|In item|not found \"key\". Номер строки =5"}
            << 2;
        QTest::newRow("unknown type")
            << "<signal type=\"float\"/>"
            << QStringList{"about|Error contains,|Unknown type. Номер строки =5"} << 0;
        QTest::newRow("no type")
            << "<signal/>" << QStringList{"about|Error contains,|Unknown type. Номер строки =5"}
            << 0;
    }

    void faultyElements()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, messages);
        QFETCH(int, editors);
        // The faulty setting stands on the second line of the container.
        LineScreen screen("<signal name=\"ok\" type=\"bit\"/>\n" + setting);
        QCOMPARE(screen.dialogs.messages(), messages);
        for (const ScriptedDialogs::Shown& shown : screen.dialogs.shown())
            QCOMPARE(shown.parent, nullptr);
        const LineInBox* line = screen.line(1);
        QCOMPARE(line->m_Widgets.size(), editors);
        QVERIFY(line->m_LabelName && line->m_Hint);
    }

    void unknownKindHasNoLayout()
    {
        LineScreen screen("<signal type=\"float\"/>");
        QCOMPARE(int(screen.line()->m_TypeLine), int(xmlunknown));
        QVERIFY(!screen.line()->m_Editor->layout());
    }

    void loading_data()
    {
        // A load writes nothing back; a value the line must refuse or cannot
        // show as it stands is marked and listed, silently.
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("states");
        QTest::addColumn<bool>("marked");
        const QString example = QStringLiteral("o1:1 o2:0 o3:1");
        const auto flags = [&](const char* value) {
            return QString(kFlags3).replace(example, QString::fromUtf8(value));
        };
        QTest::newRow("flags of the example") << kFlags3 << "set clear set" << false;
        QTest::newRow("flags: item keys in another order are read by key")
            << flags("o2:1 o1:0 o3:1") << "clear set set" << true;
        QTest::newRow("flags: a foreign key reads by position")
            << flags("o3:0 x:1 o1:0") << "clear set clear" << true;
        QTest::newRow("flags: an empty token stops the reading")
            << flags("o1:1  o2:0 o3:1") << "set undetermined undetermined" << true;
        QTest::newRow("flags: two colons stop the reading")
            << flags("o1:1:1 o2:0 o3:1") << "undetermined undetermined undetermined" << true;
        QTest::newRow("flags: digit 2 clears")
            << flags("o1:2 o2:0 o3:1") << "clear clear set" << true;
        QTest::newRow("flags: empty value")
            << flags("") << "undetermined undetermined undetermined" << false;
        QTest::newRow("enum") << kEnum << "off on" << false;
        QTest::newRow("enum: no match")
            << QString(kEnum).replace("value=\"m2\"", "value=\"m9\"") << "off off" << true;
        QTest::newRow("bit 1") << "<signal type=\"bit\" value=\"1\"/>"
                               << "set" << false;
        QTest::newRow("bit 7 clears") << "<signal type=\"bit\" value=\"7\"/>"
                                      << "clear" << true;
        QTest::newRow("bit empty") << "<signal type=\"bit\" value=\"\"/>"
                                   << "undetermined" << false;
        QTest::newRow("number outside its limits")
            << "<signal type=\"number\" min=\"0\" max=\"100\" e=\"0\" value=\"150\"/>"
            << "150" << true;
        QTest::newRow("string") << "<signal type=\"string\" value=\"AB12345\"/>"
                                << "AB12345" << false;
        QTest::newRow("string longer than its editor")
            << "<signal type=\"string\" lenMax=\"3\" value=\"abcdef\"/>"
            << "abc" << true;
        QTest::newRow("ip") << "<signal type=\"ipAddress\" value=\"192.168.0.10\"/>"
                            << "192.168.0.10" << false;
        QTest::newRow("ip empty: no default") << "<signal type=\"ipAddress\" value=\"\"/>"
                                              << "" << false;
        QTest::newRow("mac with a seventh byte")
            << "<signal type=\"macAddress\" value=\"00:11:22:33:44:55:66\"/>"
            << "00:11:22:33:44:55" << true;
    }

    void loading()
    {
        QFETCH(QString, setting);
        QFETCH(QString, states);
        QFETCH(bool, marked);
        LineScreen screen(setting);
        const QString stored = screen.value();
        screen.loadAll();
        QCOMPARE(editorStates(screen.line()), states);
        QCOMPARE(screen.value(), stored);
        QVERIFY(!screen.window.m_ActSaveAs->isEnabled());
        QCOMPARE(screen.window.m_ErrorFields.size(), marked ? 1 : 0);
        QVERIFY(screen.dialogs.shown().isEmpty());
    }

    void loadingAgainClearsAChosenButton()
    {
        LineScreen screen(kEnum);
        screen.loadAll();
        screen.line()->m_Element->setAttribute("value", "m9");
        screen.loadAll();
        QCOMPARE(editorStates(screen.line()), QStringLiteral("off off"));
    }

    void writes_data()
    {
        // Actions: "check I STATE" sets check box I, "click I" clicks widget
        // I, "type TEXT" types into the line edit, "set TEXT" sets its text,
        // "clear" empties it by keystroke.
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("loadFirst");
        QTest::newRow("flags: clearing item 3 rewrites its digit only")
            << kFlags3 << QStringList{"check 2 0"} << "o1:1 o2:0 o3:0" << true;
        QTest::newRow("flags: partially checked writes 0")
            << kFlags3 << QStringList{"check 0 1"} << "o1:0 o2:0 o3:1" << true;
        QTest::newRow("flags: written by key, whatever the order")
            << QString(kFlags3).replace("o1:1 o2:0 o3:1", "o3:1 o1:1 o2:0")
            << QStringList{"check 0 0"} << "o3:1 o1:0 o2:0" << false;
        QTest::newRow("flags: key without token is appended")
            << QString(kFlags3).replace("o1:1 o2:0 o3:1", "o1:1 o2:0") << QStringList{"check 2 2"}
            << "o1:1 o2:0 o3:1" << true;
        QTest::newRow("flags: appended to an empty value")
            << QString(kFlags3).remove(" value=\"o1:1 o2:0 o3:1\"") << QStringList{"check 1 0"}
            << "o2:0" << true;
        QTest::newRow("flags: a longer key does not match")
            << QString(kFlags3).replace("o1:1 o2:0 o3:1", "o11:1 o1:1 o2:0 o3:1")
            << QStringList{"check 0 0"} << "o11:1 o1:0 o2:0 o3:1" << false;
        QTest::newRow("enum: click writes the key")
            << kEnum << QStringList{"click 0"} << "m1" << true;
        QTest::newRow("enum: value without match, then a click")
            << QString(kEnum).replace("value=\"m2\"", "value=\"m9\"") << QStringList{"click 1"}
            << "m2" << true;
        QTest::newRow("bit: checked")
            << "<signal type=\"bit\" value=\"0\"/>" << QStringList{"check 0 2"} << "1" << true;
        QTest::newRow("bit: partially checked writes 0")
            << "<signal type=\"bit\" value=\"1\"/>" << QStringList{"check 0 1"} << "0" << true;
        QTest::newRow("bit: value attribute created")
            << "<signal type=\"bit\"/>" << QStringList{"check 0 2"} << "1" << true;
        QTest::newRow("number: typing writes each keystroke")
            << "<signal type=\"number\" min=\"0\" max=\"100\" e=\"0\" value=\"1\"/>"
            << QStringList{"type 5"} << "15" << true;
        QTest::newRow("number: refused keystroke writes nothing")
            << "<signal type=\"number\" min=\"0\" max=\"100\" e=\"0\" value=\"50\"/>"
            << QStringList{"type 0"} << "50" << true;
        QTest::newRow("number: set by program writes nothing")
            << "<signal type=\"number\" min=\"0\" max=\"100\" e=\"0\" value=\"50\"/>"
            << QStringList{"set 7"} << "50" << true;
        QTest::newRow("string: refused character")
            << "<signal type=\"string\" letters=\"latin\" value=\"ab\"/>" << QStringList{"type -+"}
            << "ab" << true;
        QTest::newRow("string: lenMax cuts typing")
            << "<signal type=\"string\" lenMax=\"3\" value=\"ab\"/>" << QStringList{"type cd"}
            << "abc" << true;
        QTest::newRow("ip: cleared editor gets the default")
            << "<signal type=\"ipAddress\" value=\"10.0.0.1\"/>" << QStringList{"clear"}
            << "192.168.0.1" << true;
        QTest::newRow("ip: a refused keystroke")
            << "<signal type=\"ipAddress\" value=\"10.0.0.255\"/>" << QStringList{"type 9"}
            << "10.0.0.255" << true;
    }

    void writes()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, actions);
        QFETCH(QString, value);
        QFETCH(bool, loadFirst);
        LineScreen screen(setting);
        if (loadFirst)
            screen.loadAll();
        LineInBox* line = screen.line();
        for (const QString& action : actions) {
            const QString verb = action.section(' ', 0, 0);
            const QString rest = action.section(' ', 1);
            if (verb == "check") {
                auto* box =
                    qobject_cast<QCheckBox*>(line->m_Widgets.at(rest.section(' ', 0, 0).toInt()));
                box->setCheckState(Qt::CheckState(rest.section(' ', 1).toInt()));
            } else if (verb == "click") {
                qobject_cast<QAbstractButton*>(line->m_Widgets.at(rest.toInt()))->click();
            } else if (verb == "type") {
                lineEdit(line)->end(false);
                QTest::keyClicks(lineEdit(line), rest);
            } else if (verb == "set") {
                lineEdit(line)->setText(rest);
            } else if (verb == "clear") {
                lineEdit(line)->selectAll();
                QTest::keyClick(lineEdit(line), Qt::Key_Backspace);
            } else {
                QFAIL(qPrintable("unknown action \"" + action + '"'));
            }
        }
        QCOMPARE(screen.value(), value);
        QVERIFY(screen.dialogs.shown().isEmpty());
    }

    void clicksOnUndeterminedBox_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("value");
        const QString bit = QStringLiteral("<signal type=\"bit\"/>");
        QTest::newRow("bit, one click checks") << bit << 1 << "set"
                                               << "1";
        QTest::newRow("bit, two clicks clear") << bit << 2 << "clear"
                                               << "0";
        QTest::newRow("bit, third click never undetermined") << bit << 3 << "set"
                                                             << "1";
        QTest::newRow("flags item, two clicks")
            << QString(kFlags3).remove(" value=\"o1:1 o2:0 o3:1\"") << 2
            << "clear undetermined undetermined"
            << "o1:0";
    }

    void clicksOnUndeterminedBox()
    {
        QFETCH(QString, setting);
        QFETCH(int, clicks);
        QFETCH(QString, states);
        QFETCH(QString, value);
        LineScreen screen(setting);
        screen.loadAll();
        for (int i = 0; i < clicks; ++i)
            qobject_cast<QCheckBox*>(screen.line()->m_Widgets.first())->click();
        QCOMPARE(editorStates(screen.line()), states);
        QCOMPARE(screen.value(), value);
    }

    void itemWithoutKeyNeverWrites()
    {
        LineScreen screen("<signal type=\"enum\" value=\"a\"><namedValues><item name=\"A\" "
                          "key=\"a\"/><item name=\"B\"/></namedValues></signal>");
        screen.dialogs.clear();
        screen.loadAll();
        qobject_cast<QRadioButton*>(screen.line()->m_Widgets.at(1))->click();
        QCOMPARE(screen.value(), QStringLiteral("a"));
        QVERIFY(!screen.window.m_ActSaveAs->isEnabled());
    }

    void unhandledTypes_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("title");
        const QString flags = kFlags3;
        const QString number = QStringLiteral("<signal type=\"number\" value=\"1\"/>");
        const QString ip = QStringLiteral("<signal type=\"ipAddress\" value=\"i\"/>");
        const QString bit = QStringLiteral("<signal type=\"bit\" value=\"1\"/>");
        const QString unknown = QStringLiteral("<signal type=\"x\" value=\"u\"/>");
        QTest::newRow("int on number") << number << "int"
                                       << "Error slotWriteDataToDom(int) m_TypeLine = xmlnumber";
        QTest::newRow("int on string") << "<signal type=\"string\" value=\"s\"/>"
                                       << "int"
                                       << "Error slotWriteDataToDom(int) m_TypeLine = xmlstring";
        QTest::newRow("int on unknown") << unknown << "int"
                                        << "Error slotWriteDataToDom(int) m_TypeLine = default";
        QTest::newRow("QString on flags")
            << flags << "QString"
            << "Error slotWriteDataToDom(QString) m_TypeLine = xmlFlags";
        QTest::newRow("QString on bit") << bit << "QString"
                                        << "Error slotWriteDataToDom(QString) m_TypeLine = xmlbit";
        QTest::newRow("bool on flags") << flags << "bool"
                                       << "Error slotWriteDataToDom(bool) m_TypeLine = xmlFlags";
        QTest::newRow("bool on ip") << ip << "bool"
                                    << "Error slotWriteDataToDom(bool) m_TypeLine = xmlipAddress";
        QTest::newRow("bool on unknown") << unknown << "bool"
                                         << "Error slotWriteDataToDom(bool) m_TypeLine = default";
        QTest::newRow("load on unknown") << unknown << "load"
                                         << "Error slotLoadFromDom m_TypeLine = default";
    }

    void unhandledTypes()
    {
        QFETCH(QString, setting);
        QFETCH(QString, slot);
        QFETCH(QString, title);
        LineScreen screen("\n" + setting);
        screen.dialogs.clear();
        LineInBox* line = screen.line();
        const QString before = screen.value();
        if (slot == "int")
            line->slotWriteDataToDom(2);
        else if (slot == "QString")
            line->slotWriteDataToDom(QStringLiteral("written"));
        else if (slot == "bool")
            line->slotWriteDataToDom(true);
        else if (slot == "load")
            line->slotLoadFromDom();
        else
            QFAIL(qPrintable("unknown slot " + slot));
        QCOMPARE(screen.dialogs.messages(), QStringList{"about|" + title + "|Номер строки =5"});
        QCOMPARE(screen.dialogs.shown().first().parent, nullptr);
        QCOMPARE(screen.value(), before);
        // Every write enables saving first, also when it then refuses.
        QCOMPARE(screen.window.m_ActSaveAs->isEnabled(), slot != "load");
    }

    void visibility()
    {
        LineScreen screen("<signal name=\"A\" type=\"bit\"/>");
        LineInBox* line = screen.line();
        QVERIFY(line->m_Separator);
        line->setLineVisible(false);
        QVERIFY(!line->m_Visible);
        for (QWidget* widget :
             {static_cast<QWidget*>(line->m_LabelName), line->m_Editor,
              static_cast<QWidget*>(line->m_Hint), static_cast<QWidget*>(line->m_Separator)})
            QVERIFY(widget->isHidden());
        line->setLineVisible(true);
        QVERIFY(line->m_Visible);
        QVERIFY(!line->m_Editor->isHidden() && !line->m_Separator->isHidden());
    }

    void numberEndOfEdit_data()
    {
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("padded and stored") << "min=\"0\" max=\"100\" e=\"-2\""
                                           << "5"
                                           << "5.00"
                                           << "5.00" << false;
        QTest::newRow("valid as typed") << "min=\"0\" max=\"100\" e=\"-2\""
                                        << "5.25"
                                        << "5.25"
                                        << "5.25" << false;
        QTest::newRow("below the minimum") << "min=\"10\" max=\"100\" e=\"0\""
                                           << "5"
                                           << "5"
                                           << "5" << true;
        QTest::newRow("too many decimals") << "min=\"0\" max=\"100\" e=\"-1\""
                                           << "5.25"
                                           << "5.25"
                                           << "5.25" << true;
        QTest::newRow("left empty") << "min=\"0\" max=\"100\" e=\"0\""
                                    << ""
                                    << ""
                                    << "" << true;
        QTest::newRow("no e: taken as typed, never padded") << "min=\"0\" max=\"100\""
                                                            << "7"
                                                            << "7"
                                                            << "7" << false;
        QTest::newRow("positive e, a multiple") << "min=\"0\" max=\"10000\" e=\"2\""
                                                << "300"
                                                << "300"
                                                << "300" << false;
        QTest::newRow("positive e, no multiple") << "min=\"0\" max=\"10000\" e=\"2\""
                                                 << "310"
                                                 << "310"
                                                 << "310" << true;
    }

    void numberEndOfEdit()
    {
        QFETCH(QString, limits);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        LineScreen screen("<signal name=\"Шаг\" measure=\"мм\" type=\"number\" " + limits +
                          " value=\"1\"/>");
        screen.loadAll();
        QLineEdit* edit = lineEdit(screen.line());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        emit edit->editingFinished();

        QCOMPARE(edit->text(), shown);
        QCOMPARE(screen.value(), stored);
        QCOMPARE(baseColour(edit), refused ? QColor(Qt::red) : QColor(Qt::white));
        QCOMPARE(edit->palette().color(QPalette::Inactive, QPalette::Base), baseColour(edit));
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Base), baseColour(edit));
        if (refused) {
            QCOMPARE(screen.dialogs.messages(),
                     QStringList{"critical|Не допустимое значение|Введено не допустимое "
                                 "значение! В поле: Шаг, мм"});
            QCOMPARE(screen.dialogs.shown().first().parent, &screen.window);
            QCOMPARE(screen.window.m_ErrorFields.values(QStringLiteral("Группа")),
                     QStringList{"Шаг, мм"});
        } else {
            QVERIFY(screen.dialogs.shown().isEmpty());
            QVERIFY(screen.window.m_ErrorFields.isEmpty());
        }
    }

    void correctionRemovesTheEntry()
    {
        LineScreen screen("<signal name=\"A\" type=\"number\" min=\"10\" max=\"100\" e=\"-1\"/>\n"
                          "<signal name=\"B\" type=\"number\" min=\"10\" max=\"100\" e=\"-1\"/>");
        QLineEdit* a = lineEdit(screen.line(0));
        QLineEdit* b = lineEdit(screen.line(1));
        QTest::keyClicks(a, "5");
        emit a->editingFinished();
        QTest::keyClicks(b, "5");
        emit b->editingFinished();
        QCOMPARE(screen.window.m_ErrorFields.values(QStringLiteral("Группа")),
                 QStringList({"B", "A"}));
        QTest::keyClicks(a, "0");
        emit a->editingFinished();
        QCOMPARE(a->text(), QStringLiteral("50.0"));
        QCOMPARE(screen.value(0), QStringLiteral("50.0"));
        QCOMPARE(baseColour(a), QColor(Qt::white));
        QCOMPARE(screen.window.m_ErrorFields.values(QStringLiteral("Группа")), QStringList{"B"});
        // Leaving a refused field again keeps one entry and warns again.
        emit b->editingFinished();
        QCOMPARE(screen.window.m_ErrorFields.size(), 1);
        QCOMPARE(screen.dialogs.shown().size(), 3);
    }

    void sameLabelTwiceIsTwoFields()
    {
        LineScreen screen("<signal name=\"X\" type=\"number\" min=\"10\" max=\"20\" e=\"0\"/>\n"
                          "<signal name=\"X\" type=\"number\" min=\"10\" max=\"20\" e=\"0\"/>");
        for (int i = 0; i < 2; ++i) {
            QTest::keyClicks(lineEdit(screen.line(i)), "5");
            emit lineEdit(screen.line(i))->editingFinished();
        }
        QCOMPARE(screen.window.m_ErrorFields.size(), 2);
        lineEdit(screen.line(1))->clear();
        QTest::keyClicks(lineEdit(screen.line(1)), "15");
        emit lineEdit(screen.line(1))->editingFinished();
        QCOMPARE(screen.window.m_ErrorFields.values(QStringLiteral("Группа")), QStringList{"X"});
    }

    void hiddenRefusedFieldStaysRegistered()
    {
        LineScreen screen("<signal name=\"X\" type=\"number\" min=\"10\" max=\"20\" e=\"0\"/>");
        QTest::keyClicks(lineEdit(screen.line()), "5");
        emit lineEdit(screen.line())->editingFinished();
        screen.line()->setLineVisible(false);
        screen.loadAll();
        QCOMPARE(screen.window.m_ErrorFields.size(), 1);
    }

    void numberTypedKeyByKey_data()
    {
        // The keys after '|' are refused as they are typed; Return ends the
        // edit.
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("refused"); // by the end-of-edit check
        const auto range = [](const char* min, const char* max) {
            return QStringLiteral("min=\"%1\" max=\"%2\"").arg(min, max);
        };
        QTest::newRow("2^24 + 1 above the maximum 2^24")
            << range("0", "16777216") << "1677721|7" << false;
        QTest::newRow("2^24 below the minimum 2^24 + 1")
            << range("16777217", "16777300") << "16777216" << true;
        QTest::newRow("2^31 + 1 above the maximum 2^31")
            << range("0", "2147483648") << "214748364|9" << false;
        QTest::newRow("2^31 - 1 below the minimum 2^31")
            << range("2147483648", "2147483700") << "2147483647" << true;
        QTest::newRow("-(2^32 + 1) below the minimum -2^32")
            << range("-4294967296", "0") << "-429496729|7" << false;
        QTest::newRow("-(2^32 - 1) above the maximum -2^32")
            << range("-4294967400", "-4294967296") << "-429496729|5" << true;
        QTest::newRow("10^15 - 1 below the minimum 10^15")
            << range("1000000000000000", "2000000000000000") << "999999999999999" << true;
        QTest::newRow("10^15 + 1 above the maximum 10^15")
            << range("0", "1000000000000000") << "100000000000000|1" << false;
        QTest::newRow("-(10^15 - 1) above the minimum -10^15")
            << range("-1000000000000000", "0") << "-999999999999999" << false;
        QTest::newRow("minus first") << range("-100", "100") << "-5" << false;
        QTest::newRow("negative maximum") << range("-20", "-10") << "-15" << false;
        QTest::newRow("negative maximum, with decimals") << range("-20", "-10") + " e=\"-1\""
                                                         << "-10.5" << false;
        QTest::newRow("negative maximum, -3 leads nowhere") << range("-20", "-10") << "-|3" << true;
        QTest::newRow("point first") << range("0", "5") << ".5" << false;
        QTest::newRow("minus and point first") << range("-5", "5") << "-.5" << false;
    }

    void numberTypedKeyByKey()
    {
        QFETCH(QString, limits);
        QFETCH(QString, keys);
        QFETCH(bool, refused);
        LineScreen screen("<signal name=\"N\" type=\"number\" " + limits + "/>");
        QLineEdit* edit = lineEdit(screen.line());
        QTest::keyClicks(edit, QString(keys).remove('|'));
        QCOMPARE(edit->text(), keys.section('|', 0, 0));
        QCOMPARE(screen.value(), edit->text());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(screen.window.m_ErrorFields.size(), refused ? 1 : 0);
        QCOMPARE(baseColour(edit), refused ? QColor(Qt::red) : QColor(Qt::white));
    }

    void addressEndOfEdit_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("leave"); // the focus leaves instead of Return
        QTest::addColumn<QString>("incomplete");
        QTest::addColumn<QString>("rest"); // completes the address
        QTest::newRow("ip, Return") << "ipAddress" << false << "192.168"
                                    << ".0.10";
        QTest::newRow("ip, focus leaves") << "ipAddress" << true << "192.168.0."
                                          << "1";
        QTest::newRow("mac, Return") << "macAddress" << false << "0A:1B:2C"
                                     << ":3D:4E:5F";
    }

    void addressEndOfEdit()
    {
        QFETCH(QString, type);
        QFETCH(QString, incomplete);
        QFETCH(QString, rest);
        QFETCH(bool, leave);
        LineScreen screen("<signal name=\"Адрес\" type=\"" + type + "\"/>");
        QLineEdit* edit = lineEdit(screen.line());
        const auto finish = [&] {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            if (leave)
                QApplication::sendEvent(edit, &out);
            else
                QTest::keyClick(edit, Qt::Key_Return);
        };
        QTest::keyClicks(edit, incomplete);
        finish();
        QCOMPARE(baseColour(edit), QColor(Qt::red));
        QCOMPARE(screen.dialogs.messages(),
                 QStringList{"critical|Не допустимое значение|Введено не допустимое значение! В "
                             "поле: Адрес"});
        QCOMPARE(screen.window.m_ErrorFields.values(QStringLiteral("Группа")),
                 QStringList{"Адрес"});
        QTest::keyClicks(edit, rest);
        finish();
        QCOMPARE(baseColour(edit), QColor(Qt::white));
        QVERIFY(screen.window.m_ErrorFields.isEmpty());
        QCOMPARE(screen.value(), incomplete + rest);
    }

    void endOfEditWithoutBoxOrItem_data()
    {
        QTest::addColumn<bool>("inBox");
        QTest::addColumn<QString>("text");
        QTest::newRow("no box") << false
                                << "BoxForLines* box = qobject_cast<BoxForLines*>(parent());";
        QTest::newRow("box of no item")
            << true
            << "TreeWidgetItemLineInLeftTree* tree = g_MainWindow->findTreeWidgetOfBox(box);";
    }

    void endOfEditWithoutBoxOrItem()
    {
        QFETCH(bool, inBox);
        QFETCH(QString, text);
        LoadedEditor editor;
        QDomDocument document;
        document.setContent(QStringLiteral(
            "<container><signal name=\"N\" type=\"number\" min=\"10\" max=\"20\"/></container>"));
        const QDomElement signal = document.documentElement().firstChildElement();
        // An item outside the tree gives a box that no tree item holds.
        TreeWidgetItemLineInLeftTree looseItem;
        auto* line = new LineInBox(signal);
        QWidget holder; // owns the widgets of a line that no box shows
        if (inBox) {
            looseItem.addLine(line);
        } else {
            line->setParent(&holder);
            for (QWidget* widget : {static_cast<QWidget*>(line->m_LabelName), line->m_Editor,
                                    static_cast<QWidget*>(line->m_Hint)})
                widget->setParent(&holder);
        }
        QLineEdit* edit = lineEdit(line);
        QTest::keyClicks(edit, "5");
        const QColor before = baseColour(edit);
        emit edit->editingFinished();
        QCOMPARE(editor.dialogs.messages(), QStringList{"warning|Ошибка кода|" + text});
        QCOMPARE(editor.dialogs.shown().first().parent, &editor.window);
        QVERIFY(editor.window.m_ErrorFields.isEmpty());
        QCOMPARE(baseColour(edit), before);
    }

    void endOfEditIsNotReentered()
    {
        // The modal message takes the focus, and the editor finishes its
        // editing once more while the message is open.
        class FocusStealingDialogs : public ScriptedDialogs
        {
        public:
            QLineEdit* edit = nullptr;
            Button message(Kind kind, QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons) override
            {
                if (edit)
                    emit edit->editingFinished();
                return ScriptedDialogs::message(kind, parent, title, text, buttons);
            }
        };
        LineScreen screen("<signal name=\"N\" type=\"number\" min=\"10\" max=\"20\" e=\"0\"/>");
        FocusStealingDialogs dialogs; // installed over the screen's own
        dialogs.edit = lineEdit(screen.line());
        QTest::keyClicks(dialogs.edit, "5");
        emit dialogs.edit->editingFinished();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(screen.window.m_ErrorFields.size(), 1);
    }
};

LIR_TEST_CLASS(TestLineInBox)
#include "tst_LineInBox.moc"
