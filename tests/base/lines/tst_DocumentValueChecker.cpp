#include "common/TestRegistry.h"
#include "lines/DocumentValueChecker.h"

#include <QDomDocument>
#include <QFile>
#include <QTest>

namespace {
QString describe(const QVector<DocumentValueChecker::Finding>& findings)
{
    QStringList lines;
    for (const DocumentValueChecker::Finding& finding : findings)
        lines << QStringLiteral("%1: %2 in %3: %4")
                     .arg(finding.line)
                     .arg(finding.label, finding.container, finding.problem);
    return lines.join('\n');
}

QString checkedSetting(const QString& setting)
{
    QDomDocument document;
    const bool parsed = document.setContent(
        QStringLiteral("<lir1Settings>\n<symbols symbols_latin=\"1\" symbols_any=\"2\" "
                       "symbols_phone=\"3\" symbols_ident=\"4\" symbols_ascii=\"5\" "
                       "symbols_six=\"6\"/>\n<container name=\"G\">\n") +
        setting + QStringLiteral("\n</container></lir1Settings>"));
    if (!parsed)
        return QStringLiteral("does not parse");
    return describe(DocumentValueChecker(document).findings());
}
} // namespace

class TestDocumentValueChecker : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("finding"); // empty: none
        const QString flagItems = QStringLiteral(
            "<namedValues><item name=\"A\" key=\"a\"/><item name=\"B\" key=\"b\"/></namedValues>");
        const auto flags = [&](const QString& value) -> QString {
            return "<signal name=\"F\" type=\"flags\" value=\"" + value + "\">" + flagItems +
                   "</signal>";
        };
        const auto number = [](const QString& limits, const QString& value) -> QString {
            return "<signal name=\"N\" measure=\"mm\" type=\"number\" " + limits + " value=\"" +
                   value + "\"/>";
        };
        const auto typed = [](const QString& type, const QString& value) -> QString {
            return "<signal name=\"S\" type=\"" + type + "\" value=\"" + value + "\"/>";
        };
        const QString limits = QStringLiteral("min=\"10\" max=\"100\" e=\"-1\"");

        QTest::newRow("number within limits") << number(limits, "50.5") << "";
        QTest::newRow("number that would be padded") << number(limits, "50") << "";
        QTest::newRow("number below min")
            << number(limits, "5") << "4: N, mm in G: value \"5\" is outside the limits 10 to 100";
        QTest::newRow("number above max")
            << number(limits, "100.5")
            << "4: N, mm in G: value \"100.5\" is outside the limits 10 to 100";
        QTest::newRow("number above max beyond single precision")
            << number("min=\"0\" max=\"100000000\" e=\"0\"", "100000001")
            << "4: N, mm in G: value \"100000001\" is outside the limits 0 to 100000000";
        QTest::newRow("number of 16 significant digits")
            << number("min=\"0\" max=\"1e17\"", "1234567890123456")
            << "4: N, mm in G: value \"1234567890123456\" has more than 15 significant digits, "
               "too many to check against the limits";
        QTest::newRow("number too many decimals")
            << number(limits, "50.25")
            << "4: N, mm in G: value \"50.25\" does not fit the resolution e=-1";
        QTest::newRow("number not a number")
            << number(limits, "5O") << "4: N, mm in G: value \"5O\" is not a number";
        QTest::newRow("number empty")
            << number(limits, "") << "4: N, mm in G: number without a value";
        QTest::newRow("number absent value")
            << "<signal name=\"N\" type=\"number\" min=\"0\" max=\"1\"/>"
            << "4: N in G: number without a value";
        QTest::newRow("number without e, decimals") << number("min=\"0\" max=\"9\"", "1.234") << "";
        QTest::newRow("number e 0 with a point")
            << number("min=\"0\" max=\"9\" e=\"0\"", "1.0")
            << "4: N, mm in G: value \"1.0\" does not fit the resolution e=0";
        QTest::newRow("number positive e, a multiple")
            << number("min=\"0\" max=\"9000\" e=\"2\"", "800") << "";
        QTest::newRow("number positive e, no multiple")
            << number("min=\"0\" max=\"9000\" e=\"2\"", "850")
            << "4: N, mm in G: value \"850\" does not fit the resolution e=2";
        QTest::newRow("ip fine") << typed("ipAddress", "10.0.0.1") << "";
        QTest::newRow("ip empty") << typed("ipAddress", "") << "";
        QTest::newRow("ip 256") << typed("ipAddress", "10.0.0.256")
                                << "4: S in G: value \"10.0.0.256\" is not an IP address";
        QTest::newRow("ip incomplete")
            << typed("ipAddress", "10.0.0") << "4: S in G: value \"10.0.0\" is not an IP address";
        QTest::newRow("ip of 16 characters") << typed("ipAddress", "0010.000.000.001") << "";
        QTest::newRow("ip 17 characters")
            << typed("ipAddress", "00010.000.000.001")
            << "4: S in G: value \"00010.000.000.001\" is longer than 16 characters";
        QTest::newRow("mac fine") << typed("macAddress", "0a:1B:ff:00:00:00") << "";
        QTest::newRow("mac with G")
            << typed("macAddress", "0G:00:00:00:00:00")
            << "4: S in G: value \"0G:00:00:00:00:00\" is not a MAC address";
        QTest::newRow("string within lenMax")
            << "<signal name=\"S\" type=\"string\" lenMax=\"3\" letters=\"latin\" value=\"ab1\"/>"
            << "";
        QTest::newRow("string longer than lenMax")
            << "<signal name=\"S\" type=\"string\" lenMax=\"3\" value=\"abcd\"/>"
            << "4: S in G: value \"abcd\" is longer than lenMax 3";
        QTest::newRow("number longer than its editor, though a number in its limits")
            << number(limits, QString(32767, '0') + "5")
            << "4: N, mm in G: value \"" + QString(200, '0') +
                   "… (32768 characters)\" is longer than the editor's 32767 characters";
        QTest::newRow("string with negative lenMax has no limit")
            << "<signal name=\"S\" type=\"string\" lenMax=\"-1\" value=\"abcd\"/>"
            << "";
        QTest::newRow("string forbidden character")
            << "<signal name=\"S\" type=\"string\" letters=\"phone\" value=\"+7 495-1\"/>"
            << "4: S in G: value \"+7 495-1\" holds \"-\", which letters \"phone\" does not "
               "admit";
        QTest::newRow("string Cyrillic in class 5")
            << "<signal name=\"S\" type=\"string\" letters=\"ascii\" value=\"abcЖ\"/>"
            << "4: S in G: value \"abcЖ\" holds \"Ж\", which letters \"ascii\" does not admit";
        QTest::newRow("string Ё in class 5")
            << "<signal name=\"S\" type=\"string\" letters=\"ascii\" value=\"Ёё\"/>"
            << "";
        QTest::newRow("string outside the BMP named whole")
            << "<signal name=\"S\" type=\"string\" letters=\"latin\" value=\"a\U0001D400\"/>"
            << "4: S in G: value \"a\U0001D400\" holds \"\U0001D400\", which letters \"latin\" "
               "does not admit";
        QTest::newRow("string with code 6 admits all")
            << "<signal name=\"S\" type=\"string\" letters=\"six\" value=\"Ж-\"/>"
            << "";
        QTest::newRow("enum match")
            << "<signal name=\"E\" type=\"enum\" value=\"b\">" + flagItems + "</signal>"
            << "";
        QTest::newRow("enum no match")
            << "<signal name=\"E\" type=\"enum\" value=\"c\">" + flagItems + "</signal>"
            << "4: E in G: value \"c\" matches no item key";
        QTest::newRow("enum empty") << "<signal name=\"E\" type=\"enum\">" + flagItems + "</signal>"
                                    << "";
        QTest::newRow("flags fine") << flags("a:1 b:0") << "";
        QTest::newRow("flags empty") << flags("") << "";
        QTest::newRow("flags wrong order")
            << flags("b:1 a:0")
            << "4: F in G: value \"b:1 a:0\": token 1 \"b:1\" is not \"a:0\" or \"a:1\"";
        QTest::newRow("flags digit 2")
            << flags("a:1 b:2")
            << "4: F in G: value \"a:1 b:2\": token 2 \"b:2\" is not \"b:0\" or \"b:1\"";
        QTest::newRow("flags double space")
            << flags("a:1  b:0")
            << "4: F in G: value \"a:1  b:0\": token 2 \"\" is not \"b:0\" or \"b:1\"";
        QTest::newRow("flags missing token")
            << flags("a:1") << "4: F in G: value \"a:1\" has 1 tokens for 2 items";
        QTest::newRow("flags extra token")
            << flags("a:1 b:0 c:1") << "4: F in G: value \"a:1 b:0 c:1\" has 3 tokens for 2 items";
        QTest::newRow("bit 0") << typed("bit", "0") << "";
        QTest::newRow("bit 1") << typed("bit", "1") << "";
        QTest::newRow("bit empty") << typed("bit", "") << "";
        QTest::newRow("bit 2") << typed("bit", "2") << "4: S in G: value \"2\" is neither 0 nor 1";
        QTest::newRow("bit yes") << typed("bit", "yes")
                                 << "4: S in G: value \"yes\" is neither 0 nor 1";
        QTest::newRow("unknown kind is not a value finding") << typed("float", "x") << "";
    }

    void values()
    {
        QFETCH(QString, setting);
        QFETCH(QString, finding);
        QCOMPARE(checkedSetting(setting), finding);
    }

    void onlySettingsThatGetALine()
    {
        QDomDocument document;
        QVERIFY(document.setContent(
            QStringLiteral("<lir1Settings>\n"
                           "<signal name=\"Loose\" type=\"bit\" value=\"7\"/>\n"
                           "<container name=\"Outer\">\n"
                           "<signal name=\"A\" type=\"bit\" value=\"7\"/>\n"
                           "<group><container name=\"Inner\">\n"
                           "<signal name=\"B\" type=\"bit\" value=\"8\"/>\n"
                           "</container></group>\n"
                           "<group><signal name=\"Wrapped\" type=\"bit\" value=\"7\"/></group>\n"
                           "</container></lir1Settings>")));
        QCOMPARE(describe(DocumentValueChecker(document).findings()),
                 QStringLiteral("4: A in Outer: value \"7\" is neither 0 nor 1\n"
                                "6: B in Inner: value \"8\" is neither 0 nor 1"));
    }

    void symbolsOfTheDocumentItself()
    {
        // Without a symbols element no string has a class.
        QDomDocument document;
        QVERIFY(document.setContent(
            QStringLiteral("<lir1Settings><container name=\"G\"><signal name=\"S\" type=\"string\" "
                           "letters=\"latin\" value=\"Ж\"/></container></lir1Settings>")));
        QVERIFY(DocumentValueChecker(document).findings().isEmpty());
    }

    void defaultDocumentsHaveNoFindings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("ЛИР-1") << "lir1_sets_default.xml";
        QTest::newRow("ЛИР-2") << "lir2_sets_default.xml";
    }

    void defaultDocumentsHaveNoFindings()
    {
        QFETCH(QString, file);
        QFile input(QStringLiteral(LIR_DEFAULTS_DIR "/") + file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QDomDocument document;
        QVERIFY(document.setContent(&input));
        QCOMPARE(describe(DocumentValueChecker(document).findings()), QString());
    }
};

LIR_TEST_CLASS(TestDocumentValueChecker)
#include "tst_DocumentValueChecker.moc"
