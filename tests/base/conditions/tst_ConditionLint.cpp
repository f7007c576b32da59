#include "common/TestRegistry.h"
#include "conditions/ConditionLint.h"

#include <QDomDocument>
#include <QTest>

class TestConditionLint : public QObject
{
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<QString>("body");         // inside <lir1Settings>
        QTest::addColumn<QStringList>("expected"); // "LINE: message"
        QTest::newRow("every condition fine")
            << "<container name=\"A\">\n"
               "<signal name=\"s\" key=\"k\" type=\"bit\" value=\"1\"/>\n"
               "<signal name=\"t\" type=\"bit\"><hideConds><c s=\"k\" o=\"NB\" "
               "v=\"0\"/></hideConds></signal>\n"
               "</container>"
            << QStringList{};
        QTest::newRow("unknown source key")
            << "<container name=\"A\">\n"
               "<signal name=\"t\" type=\"bit\"><hideConds><c s=\"nokey\" "
               "o=\"NB\"/></hideConds></signal>\n"
               "</container>"
            << QStringList{"3: condition s=\"nokey\" matches no setting's key"};
        QTest::newRow("unknown operator") << "<container name=\"A\">\n"
                                             "<signal name=\"s\" key=\"k\" type=\"bit\"/>\n"
                                             "<signal name=\"t\" type=\"bit\"><hideConds><c "
                                             "s=\"k\" o=\"eq\"/></hideConds></signal>\n"
                                             "</container>"
                                          << QStringList{"4: condition o=\"eq\" names no operator"};
        QTest::newRow("empty s matches a setting without key")
            << "<container name=\"A\">\n"
               "<signal name=\"t\" type=\"bit\"><hideConds><c o=\"BT\"/></hideConds></signal>\n"
               "</container>"
            << QStringList{};
        QTest::newRow("container condition that the loader takes")
            << "<container name=\"A\">\n"
               "<hideConds><c s=\"none\" o=\"BT\"/></hideConds>\n"
               "<signal name=\"s\" key=\"k\" type=\"bit\"/>\n"
               "</container>"
            << QStringList{"3: condition s=\"none\" matches no setting's key"};
        QTest::newRow("container condition after a signal is not read")
            << "<container name=\"A\">\n"
               "<signal name=\"s\" key=\"k\" type=\"bit\"/>\n"
               "<hideConds><c s=\"none\" o=\"XX\"/></hideConds>\n"
               "</container>"
            << QStringList{};
        QTest::newRow("only a line's first hideConds is read")
            << "<container name=\"A\">\n"
               "<signal name=\"s\" key=\"k\" type=\"bit\"><hideConds/>\n"
               "<hideConds><c s=\"none\" o=\"XX\"/></hideConds></signal>\n"
               "</container>"
            << QStringList{};
        QTest::newRow("a signal outside containers is no source")
            << "<signal name=\"s\" key=\"k\" type=\"bit\"/>\n"
               "<container name=\"A\">\n"
               "<signal name=\"t\" type=\"bit\"><hideConds><c s=\"k\" "
               "o=\"BT\"/></hideConds></signal>\n"
               "</container>"
            << QStringList{"4: condition s=\"k\" matches no setting's key"};
    }

    void findings()
    {
        QFETCH(QString, body);
        QFETCH(QStringList, expected);
        QDomDocument document;
        QVERIFY(document.setContent(QStringLiteral("<lir1Settings>\n") + body +
                                    QStringLiteral("\n</lir1Settings>")));
        QStringList found;
        for (const ConditionLint::Finding& finding : ConditionLint::findings(document))
            found << QString::number(finding.line) + QStringLiteral(": ") + finding.message;
        QCOMPARE(found, expected);
    }

    void defaultDocumentsAreClean_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("ЛИР-1") << QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");
        QTest::newRow("ЛИР-2") << QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml");
        QTest::newRow("conditions test data")
            << QStringLiteral(LIR_TEST_DATA_DIR "/all_conditions.xml");
    }

    void defaultDocumentsAreClean()
    {
        QFETCH(QString, file);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QDomDocument document;
        QVERIFY(document.setContent(&input));
        QCOMPARE(ConditionLint::findings(document).size(), 0);
    }
};

LIR_TEST_CLASS(TestConditionLint)
#include "tst_ConditionLint.moc"
