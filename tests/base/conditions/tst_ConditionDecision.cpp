#include "common/TestRegistry.h"
#include "conditions/ConditionDecision.h"

#include <QTest>

class TestConditionDecision : public QObject
{
    Q_OBJECT

private slots:
    void operatorCodes_data()
    {
        QTest::addColumn<QString>("o");
        QTest::addColumn<int>("code");
        QTest::newRow("EQ") << "EQ" << 0;
        QTest::newRow("NE") << "NE" << 1;
        QTest::newRow("GT") << "GT" << 2;
        QTest::newRow("GE") << "GE" << 3;
        QTest::newRow("LT") << "LT" << 4;
        QTest::newRow("LE") << "LE" << 5;
        QTest::newRow("BT") << "BT" << 6;
        QTest::newRow("NB") << "NB" << 7;
        QTest::newRow("NEQ holds NE and EQ: EQ is first in the table") << "NEQ" << 0;
        QTest::newRow("contained in a longer text") << "opGEx" << 3;
        QTest::newRow("NBT holds NB and BT: BT comes first") << "NBT" << 6;
        QTest::newRow("case-sensitive") << "eq" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no operator") << "XOR" << -1;
    }

    void operatorCodes()
    {
        QFETCH(QString, o);
        QFETCH(int, code);
        QCOMPARE(int(ConditionDecision::operatorOf(o)), code);
    }

    void numberSources_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("evaluated");
        QTest::addColumn<bool>("holds");
        QTest::newRow("EQ holds") << 0 << 10 << "10" << true << true;
        QTest::newRow("EQ not") << 0 << 10 << "11" << true << false;
        QTest::newRow("NE holds") << 1 << 10 << "11" << true << true;
        QTest::newRow("NE not") << 1 << 10 << "10" << true << false;
        QTest::newRow("GT holds") << 2 << 10 << "11" << true << true;
        QTest::newRow("GT not at equal") << 2 << 10 << "10" << true << false;
        QTest::newRow("GE holds at equal") << 3 << 10 << "10" << true << true;
        QTest::newRow("GE not") << 3 << 10 << "9" << true << false;
        QTest::newRow("LT holds") << 4 << 10 << "9" << true << true;
        QTest::newRow("LT not at equal") << 4 << 10 << "10" << true << false;
        QTest::newRow("LE holds at equal") << 5 << 10 << "10" << true << true;
        QTest::newRow("LE not") << 5 << 10 << "11" << true << false;
        QTest::newRow("negative values") << 4 << -5 << "-6" << true << true;
        QTest::newRow("padded decimal equals its integer") << 0 << 25 << "25.0" << true << true;
        QTest::newRow("decimal above the integer") << 2 << 25 << "25.5" << true << true;
        QTest::newRow("decimal below the integer") << 4 << 3 << "2.75" << true << true;
        QTest::newRow("not a number reads as 0") << 0 << 0 << "abc" << true << true;
        QTest::newRow("empty reads as 0") << 2 << -1 << "" << true << true;
        QTest::newRow("BT never on a number") << 6 << 0 << "1" << false << false;
        QTest::newRow("NB never on a number") << 7 << 0 << "0" << false << false;
        QTest::newRow("no operator") << -1 << 0 << "0" << false << false;
    }

    void numberSources()
    {
        QFETCH(int, op);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(bool, evaluated);
        QFETCH(bool, holds);
        bool decided = !holds;
        QCOMPARE(ConditionDecision::decideForNumber(ConditionDecision::Operator(op), value,
                                                    ConditionDecision::numberSourceValue(text),
                                                    decided),
                 evaluated);
        if (evaluated)
            QCOMPARE(decided, holds);
    }

    void checkSources_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("evaluated");
        QTest::addColumn<bool>("holds");
        QTest::newRow("EQ 1, checked") << 0 << 1 << true << true << true;
        QTest::newRow("EQ 1, unchecked") << 0 << 1 << false << true << false;
        QTest::newRow("EQ 0, unchecked") << 0 << 0 << false << true << true;
        QTest::newRow("EQ 2 never equals a state") << 0 << 2 << true << true << false;
        QTest::newRow("NE 1, unchecked") << 1 << 1 << false << true << true;
        QTest::newRow("NE 1, checked") << 1 << 1 << true << true << false;
        QTest::newRow("BT checked") << 6 << 0 << true << true << true;
        QTest::newRow("BT unchecked") << 6 << 0 << false << true << false;
        QTest::newRow("NB unchecked") << 7 << 0 << false << true << true;
        QTest::newRow("NB checked") << 7 << 0 << true << true << false;
        QTest::newRow("GT never on a check box") << 2 << 0 << true << false << false;
        QTest::newRow("LE never on a check box") << 5 << 0 << false << false << false;
        QTest::newRow("no operator") << -1 << 0 << true << false << false;
    }

    void checkSources()
    {
        QFETCH(int, op);
        QFETCH(int, value);
        QFETCH(bool, checked);
        QFETCH(bool, evaluated);
        QFETCH(bool, holds);
        bool decided = !holds;
        QCOMPARE(ConditionDecision::decideForCheck(ConditionDecision::Operator(op), value, checked,
                                                   decided),
                 evaluated);
        if (evaluated)
            QCOMPARE(decided, holds);
    }
};

LIR_TEST_CLASS(TestConditionDecision)
#include "tst_ConditionDecision.moc"
