#include "SettingsBodies.h"
#include "common/TestRegistry.h"
#include "document/LoadedDocument.h"
#include "merge/SettingsCarry.h"

#include <QTest>

using namespace SettingsBodies;

class TestSettingsCarry : public QObject
{
    Q_OBJECT

private slots:
    void carry_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("onto");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("values"); // of ONTO's settings afterwards

        QTest::newRow("carried, kept by number and without a match")
            << container("N", signal("A", "number", "5", "max=\"9\"") +
                                  signal("B", "number", "7.50", "e=\"-2\" max=\"9\"") +
                                  withItems("E", "enum", "m2", {"m1", "m2"}))
            << container("N", signal("A", "number", "1", "max=\"9\"") +
                                  signal("B", "number", "7.5", "e=\"-2\" max=\"9\"") +
                                  signal("C", "number", "3", "max=\"9\"") +
                                  withItems("E", "enum", "m1", {"m1", "m2"}))
            << "carried 2, kept 2, refused 0, dropped 0\n"
            << QStringList{"5", "7.5", "3", "m2"};
        QTest::newRow("refused for each reason, ONTO's value kept")
            << container(
                   "R",
                   signal("kind", "number", "5") + signal("max", "number", "12", "max=\"10\"") +
                       signal("e", "number", "1.25", "e=\"-1\" max=\"10\"") +
                       withItems("key", "enum", "m3", {"m3"}) + signal("long", "string", "abcd") +
                       signal("latin", "string", "a-b") + signal("ip", "ipAddress", "10.0.0"))
            << container("R", signal("kind", "string", "x") +
                                  signal("max", "number", "1", "max=\"10\"") +
                                  signal("e", "number", "1", "e=\"-1\" max=\"10\"") +
                                  withItems("key", "enum", "m1", {"m1"}) +
                                  signal("long", "string", "ab", "lenMax=\"3\"") +
                                  signal("latin", "string", "cd", "letters=\"latin\"") +
                                  signal("ip", "ipAddress", "10.0.0.1"))
            << "carried 0, kept 0, refused 7, dropped 0\n"
               "refused R / kind: value \"5\" is of another kind: number, here string\n"
               "refused R / max: value \"12\" is outside the limits 0 to 10\n"
               "refused R / e: value \"1.25\" does not fit the resolution e=-1\n"
               "refused R / key: value \"m3\" matches no item key\n"
               "refused R / long: value \"abcd\" is longer than lenMax 3\n"
               "refused R / latin: value \"a-b\" holds \"-\", which letters \"latin\" does not "
               "admit\n"
               "refused R / ip: value \"10.0.0\" is not an IP address\n"
            << QStringList{"x", "1", "1", "m1", "ab", "cd", "10.0.0.1"};
        QTest::newRow("a moved container is dropped and kept, never guessed")
            << container("Old", signal("A", "bit", "1")) + container("K", signal("Gone", "bit", ""))
            << container("New", signal("A", "bit", "0")) + container("K", QByteArray())
            << "carried 0, kept 1, refused 0, dropped 2\n"
               "dropped Old / A: 1\n"
               "dropped K / Gone: \"\"\n"
            << QStringList{"0"};
        QTest::newRow("repeated names match by key")
            << container("P", signal("T", "bit", "1").replace("key=\"T\"", "key=\"k1\"") +
                                  signal("T", "bit", "0").replace("key=\"T\"", "key=\"k2\""))
            << container("P", signal("T", "bit", "1").replace("key=\"T\"", "key=\"k2\"") +
                                  signal("T", "bit", "1").replace("key=\"T\"", "key=\"k1\""))
            << "carried 1, kept 1, refused 0, dropped 0\n"
            << QStringList{"0", "1"};
        QTest::newRow("flags item by item by key, lone items on each side")
            << container("F", withItems("M", "flags", "o2:1 o1:1 o9:1", {"o1", "o2", "o9"}))
            << container("F", withItems("M", "flags", "o1:0 o2:0 o3:1", {"o1", "o2", "o3"}))
            << "carried 1, kept 0, refused 0, dropped 0\n"
               "dropped F / M: item 9 (o9): set\n"
               "new F / M: item 3 (o3): set\n"
            << QStringList{"o1:1 o2:1 o3:1"};
        QTest::newRow("hidden settings carry")
            << container("S", signal("On", "bit", "1")) +
                   container("H", signal("V", "number", "4", "max=\"9\""))
            << container("S", signal("On", "bit", "1")) +
                   container("H", "<hideConds><c s=\"On\" o=\"NB\" v=\"0\"/></hideConds>" +
                                      signal("V", "number", "2", "max=\"9\""))
            << "carried 1, kept 1, refused 0, dropped 0\n"
            << QStringList{"1", "4"};
    }

    void carry()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, onto);
        QFETCH(QString, report);
        QFETCH(QStringList, values);
        LoadedDocument fromDocument;
        LoadedDocument ontoDocument;
        QCOMPARE(fromDocument.load(document(from)), LoadedDocument::Result::Loaded);
        QCOMPARE(ontoDocument.load(document(onto, "2")), LoadedDocument::Result::Loaded);
        const CarryReport carried = SettingsCarry::carry(fromDocument.model(), ontoDocument);
        QCOMPARE(carried.text(), report);
        QCOMPARE(valuesOf(ontoDocument), values.join(QLatin1Char('|')));
    }

    // Everything but the carried value stays as ONTO has it: declarations,
    // conditions, comments, attribute order and the format version.
    void ontoStaysButItsValues()
    {
        const QByteArray onto =
            "<?xml version=\"1.0\"?>\n<!-- settings -->\n<lir1Settings formatVerMaj=\"3\">"
            "<container name=\"C\"><hideConds><c s=\"b\" o=\"B\" v=\"1\"/></hideConds>"
            "<signal value=\"1\" type=\"number\" name=\"N\" max=\"9\"/><!-- new -->"
            "<signal type=\"bit\" name=\"b\" key=\"b\"/></container></lir1Settings>";
        LoadedDocument from;
        LoadedDocument target;
        QCOMPARE(from.load(document(
                     container("C", signal("N", "number", "7") + signal("b", "bit", "1")))),
                 LoadedDocument::Result::Loaded);
        QCOMPARE(target.load(onto), LoadedDocument::Result::Loaded);
        QCOMPARE(SettingsCarry::carry(from.model(), target).countOf("carried"), 2);
        LoadedDocument expected;
        QByteArray edited = onto;
        edited.replace("value=\"1\"", "value=\"7\"")
            .replace("name=\"b\" key=\"b\"", "name=\"b\" key=\"b\" value=\"1\"");
        QCOMPARE(expected.load(edited), LoadedDocument::Result::Loaded);
        QCOMPARE(QString::fromUtf8(target.text()), QString::fromUtf8(expected.text()));
    }
};

LIR_TEST_CLASS(TestSettingsCarry)
#include "tst_SettingsCarry.moc"
