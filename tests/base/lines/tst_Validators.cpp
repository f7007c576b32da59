#include "common/TestRegistry.h"
#include "lines/IP4Validator.h"
#include "lines/MACValidator.h"
#include "lines/MinMaxValidator.h"
#include "lines/STR1Validator.h"
#include "lines/STR2Validator.h"
#include "lines/STR3Validator.h"
#include "lines/STR4Validator.h"
#include "lines/STR5Validator.h"
#include "lines/StringValidatorFactory.h"

#include <QTest>

#include <limits>
#include <memory>

Q_DECLARE_METATYPE(QValidator::State)

namespace {
const QValidator::State Invalid = QValidator::Invalid;
const QValidator::State Intermediate = QValidator::Intermediate;
const QValidator::State Acceptable = QValidator::Acceptable;

// Runs `validate` and checks that the cursor position is left alone.
QValidator::State validated(const QValidator& validator, QString& input)
{
    int position = 3;
    const QValidator::State state = validator.validate(input, position);
    if (position != 3)
        return static_cast<QValidator::State>(-1);
    return state;
}
} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void stringClasses_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("state");
        for (int code = 1; code <= 5; ++code) {
            QTest::addRow("STR%d empty", code) << code << "" << Acceptable;
        }
        QTest::newRow("STR1 digits and Latin") << 1 << "AZaz09" << Acceptable;
        QTest::newRow("STR1 space") << 1 << "AB 12" << Invalid;
        QTest::newRow("STR1 plus") << 1 << "+7" << Invalid;
        QTest::newRow("STR1 Cyrillic") << 1 << "Ж" << Invalid;
        QTest::newRow("STR1 forbidden at the end") << 1 << "AB12." << Invalid;
        QTest::newRow("STR2 Cyrillic, space, punctuation")
            << 2 << "Привет, мир! (1+2)" << Acceptable;
        QTest::newRow("STR2 control character") << 2 << "a\tb" << Acceptable;
        QTest::newRow("STR3 telephone") << 3 << "+7 495 1234567" << Acceptable;
        QTest::newRow("STR3 letter") << 3 << "+7 495 x" << Invalid;
        QTest::newRow("STR3 minus") << 3 << "8-800" << Invalid;
        QTest::newRow("STR4 space, digits, Latin") << 4 << "Line 42 ok" << Acceptable;
        QTest::newRow("STR4 plus") << 4 << "A+B" << Invalid;
        QTest::newRow("STR4 underscore") << 4 << "A_B" << Invalid;
        QTest::newRow("STR5 Latin and punctuation") << 5 << "lir-1 (test), #2" << Acceptable;
        QTest::newRow("STR5 А, first of the range") << 5 << "xА" << Invalid;
        QTest::newRow("STR5 я, last of the range") << 5 << "яx" << Invalid;
        QTest::newRow("STR5 Ё passes") << 5 << "Ё" << Acceptable;
        QTest::newRow("STR5 ё passes") << 5 << "ё" << Acceptable;
        QTest::newRow("STR5 Ukrainian і passes") << 5 << "і" << Acceptable;
    }

    void stringClasses()
    {
        QFETCH(int, code);
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);
        const std::unique_ptr<QValidator> validator(newStringValidator(code));
        QVERIFY(validator);
        const QString original = input;
        QCOMPARE(validated(*validator, input), state);
        QCOMPARE(input, original);
    }

    void ipAddress_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("state");
        QTest::addColumn<QString>("after");
        QTest::newRow("cleared: default put back") << "" << Acceptable << "192.168.0.1";
        QTest::newRow("complete") << "192.168.1.10" << Acceptable << "192.168.1.10";
        QTest::newRow("bounds 0 and 255") << "0.255.0.255" << Acceptable << "0.255.0.255";
        QTest::newRow("three parts") << "192.168.1" << Intermediate << "192.168.1";
        QTest::newRow("empty fourth part") << "192.168.1." << Intermediate << "192.168.1.";
        QTest::newRow("empty middle part") << "192..1.1" << Intermediate << "192..1.1";
        QTest::newRow("lone point") << "." << Intermediate << ".";
        QTest::newRow("256") << "192.168.1.256" << Invalid << "192.168.1.256";
        QTest::newRow("five parts") << "1.2.3.4.5" << Invalid << "1.2.3.4.5";
        QTest::newRow("five parts, last empty") << "1.2.3.4." << Invalid << "1.2.3.4.";
        QTest::newRow("leading zero") << "1.2.3.04" << Acceptable << "1.2.3.04";
        QTest::newRow("leading plus") << "+1.2.3.4" << Acceptable << "+1.2.3.4";
        QTest::newRow("minus sign") << "-1.2.3.4" << Invalid << "-1.2.3.4";
        QTest::newRow("space") << "1.2 .3.4" << Invalid << "1.2 .3.4";
        QTest::newRow("tab") << "1.2.3.4\t" << Invalid << "1.2.3.4\t";
        QTest::newRow("hexadecimal digit") << "1.2.3.a" << Invalid << "1.2.3.a";
    }

    void ipAddress()
    {
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);
        QFETCH(QString, after);
        const IP4Validator validator(nullptr, QStringLiteral("192.168.0.1"));
        QCOMPARE(validator.m_Default, QStringLiteral("192.168.0.1"));
        QCOMPARE(validated(validator, input), state);
        QCOMPARE(input, after);
    }

    void macAddress_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("state");
        QTest::addColumn<QString>("after");
        const QString zero = QStringLiteral("00:00:00:00:00:00");
        QTest::newRow("cleared: default put back") << "" << Acceptable << zero;
        QTest::newRow("mixed case") << "0A:1b:FF:00:00:00" << Acceptable << "0A:1b:FF:00:00:00";
        QTest::newRow("lower case ff") << "ff:ff:ff:ff:ff:ff" << Acceptable << "ff:ff:ff:ff:ff:ff";
        QTest::newRow("G is no digit") << "0A:1G" << Invalid << "0A:1G";
        QTest::newRow("empty parts") << "0A::" << Intermediate << "0A::";
        QTest::newRow("five parts") << "01:02:03:04:05" << Intermediate << "01:02:03:04:05";
        QTest::newRow("seventh part")
            << "00:00:00:00:00:00:01" << Invalid << "00:00:00:00:00:00:01";
        QTest::newRow("seventh, empty part")
            << "00:00:00:00:00:00:" << Invalid << "00:00:00:00:00:00:";
        QTest::newRow("above FF") << "100:00:00:00:00:00" << Invalid << "100:00:00:00:00:00";
        QTest::newRow("space") << "00: 00" << Invalid << "00: 00";
        QTest::newRow("minus") << "-1:00" << Invalid << "-1:00";
    }

    void macAddress()
    {
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);
        QFETCH(QString, after);
        const MACValidator validator(nullptr, QStringLiteral("00:00:00:00:00:00"));
        QCOMPARE(validated(validator, input), state);
        QCOMPARE(input, after);
    }

    void numberTyping_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QValidator::State>("state");
        QTest::newRow("empty") << 10.f << 100.f << "" << Acceptable;
        QTest::newRow("below a positive minimum: typing bound 0")
            << 10.f << 100.f << "5" << Acceptable;
        QTest::newRow("exact maximum") << 10.f << 100.f << "100" << Acceptable;
        QTest::newRow("above maximum") << 10.f << 100.f << "101" << Invalid;
        QTest::newRow("negative with positive minimum") << 10.f << 100.f << "-1" << Invalid;
        QTest::newRow("lone minus") << -5.f << 5.f << "-" << Acceptable;
        QTest::newRow("lone minus, minimum 0") << 0.f << 5.f << "-" << Invalid;
        QTest::newRow("lone point") << 0.f << 5.f << "." << Acceptable;
        QTest::newRow("point at the end") << 0.f << 5.f << "5." << Acceptable;
        QTest::newRow("point at the start") << 0.f << 5.f << ".5" << Acceptable;
        QTest::newRow("minus in front of 5, minimum -5") << -5.f << 5.f << "-5" << Acceptable;
        QTest::newRow("exact negative minimum") << -20.f << 5.f << "-20" << Acceptable;
        QTest::newRow("below negative minimum") << -20.f << 5.f << "-25" << Invalid;
        QTest::newRow("letter") << 0.f << 100.f << "1a" << Invalid;
        QTest::newRow("exponent notation") << 0.f << 10000.f << "1e3" << Invalid;
        QTest::newRow("plus sign") << 0.f << 100.f << "+5" << Invalid;
        QTest::newRow("comma") << 0.f << 100.f << "1,5" << Invalid;
        QTest::newRow("two points") << 0.f << 100.f << "1.2.3" << Invalid;
        QTest::newRow("leading zeros") << 0.f << 100.f << "007" << Acceptable;
        QTest::newRow("minus inside") << -100.f << 100.f << "5-" << Invalid;
        QTest::newRow("16 significant digits") << 0.f << 1e17f << "1234567890123456" << Invalid;
    }

    void numberTyping()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(QString, input);
        QFETCH(QValidator::State, state);
        const MinMaxValidator validator(nullptr, max, min, 0);
        QCOMPARE(validated(validator, input), state);
    }

    void numberFields()
    {
        const MinMaxValidator positive(nullptr, 100.f, 10.f, -2);
        QCOMPARE(positive.m_Max, 100.f);
        QCOMPARE(positive.m_Min, 10.f);
        QCOMPARE(positive.m_TypingMin, 0.f);
        QCOMPARE(positive.m_Exp, -2);
        const MinMaxValidator negative(nullptr, 5.f, -20.f, 0);
        QCOMPARE(negative.m_TypingMin, -20.f);
    }

    void numberFinal_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("exp");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << 0.f << 100.f << -2 << "" << 0 << "";
        QTest::newRow("below minimum") << 10.f << 100.f << 0 << "5" << 0 << "5";
        QTest::newRow("exact minimum") << 10.f << 100.f << 0 << "10" << 1 << "10";
        QTest::newRow("exact maximum") << 10.f << 100.f << 0 << "100" << 1 << "100";
        QTest::newRow("above maximum") << 10.f << 100.f << 0 << "100.5" << 0 << "100.5";
        QTest::newRow("negative range") << -20.f << -5.f << 0 << "-7" << 1 << "-7";
        QTest::newRow("negative range, above max") << -20.f << -5.f << 0 << "-4" << 0 << "-4";
        QTest::newRow("leading zeros") << 0.f << 100.f << 0 << "007" << 1 << "007";
        QTest::newRow("plus sign") << 0.f << 100.f << 0 << "+7" << 0 << "+7";
        QTest::newRow("lone minus") << -5.f << 5.f << 0 << "-" << 0 << "-";
        QTest::newRow("e 0, integer") << 0.f << 100.f << 0 << "7" << 1 << "7";
        QTest::newRow("e 0, point") << 0.f << 100.f << 0 << "7.0" << 0 << "7.0";
        QTest::newRow("e -2, integer padded") << 0.f << 100.f << -2 << "7" << 2 << "7.00";
        QTest::newRow("e -2, one decimal padded") << 0.f << 100.f << -2 << "7.5" << 2 << "7.50";
        QTest::newRow("e -2, point only padded") << 0.f << 100.f << -2 << "7." << 2 << "7.00";
        QTest::newRow("e -2, two decimals") << 0.f << 100.f << -2 << "7.25" << 1 << "7.25";
        QTest::newRow("e -2, three decimals") << 0.f << 100.f << -2 << "7.255" << 0 << "7.255";
        QTest::newRow("e -2, negative padded") << -10.f << 10.f << -2 << "-5" << 2 << "-5.00";
        QTest::newRow("e -3, default limits exact")
            << -9999.999f << 9999.999f << -3 << "-9999.999" << 1 << "-9999.999";
        // Without `e` the number is taken as typed, never padded.
        QTest::newRow("no e, integer") << 0.f << 100.f << -999 << "7" << 1 << "7";
        QTest::newRow("no e, decimals") << 0.f << 100.f << -999 << "7.125" << 1 << "7.125";
        QTest::newRow("no e, out of limits") << 0.f << 100.f << -999 << "107" << 0 << "107";
        QTest::newRow("no e, empty") << 0.f << 100.f << -999 << "" << 0 << "";
        // A positive exponent admits the multiples of 10^e.
        QTest::newRow("e 2, multiple") << 0.f << 10000.f << 2 << "1200" << 1 << "1200";
        QTest::newRow("e 2, exactly 100") << 0.f << 10000.f << 2 << "100" << 1 << "100";
        QTest::newRow("e 2, not a multiple") << 0.f << 10000.f << 2 << "1210" << 0 << "1210";
        QTest::newRow("e 2, holds 10 but is no multiple")
            << 0.f << 10000.f << 2 << "1015" << 0 << "1015";
        QTest::newRow("e 2, ten") << 0.f << 10000.f << 2 << "10" << 0 << "10";
        QTest::newRow("e 2, zero") << 0.f << 10000.f << 2 << "0" << 1 << "0";
        QTest::newRow("e 2, zeros") << 0.f << 10000.f << 2 << "000" << 1 << "000";
        QTest::newRow("e 2, negative multiple") << -1000.f << 0.f << 2 << "-300" << 1 << "-300";
        QTest::newRow("e 2, point") << 0.f << 10000.f << 2 << "100." << 0 << "100.";
        QTest::newRow("e 1, leading zeros") << 0.f << 10000.f << 1 << "0050" << 1 << "0050";
        QTest::newRow("e 1, out of limits") << 0.f << 100.f << 1 << "110" << 0 << "110";
        QTest::newRow("e 40, zero") << 0.f << 100.f << 40 << "0" << 1 << "0";
        QTest::newRow("e 40, one") << 0.f << 100.f << 40 << "1" << 0 << "1";
        QTest::newRow("16 significant digits")
            << 0.f << 1e17f << 0 << "1234567890123456" << 0 << "1234567890123456";
        QTest::newRow("e INT_MIN refused, nothing appended")
            << 0.f << 100.f << std::numeric_limits<int>::min() << "7" << 0 << "7";
    }

    void numberFinal()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(int, exp);
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(QString, after);
        const MinMaxValidator validator(nullptr, max, min, exp);
        QCOMPARE(int(validator.validateFinal(text)), result);
        QCOMPARE(text, after);
    }

    void typedButRefusedAtTheEnd()
    {
        // Typing stays possible digit by digit; the true minimum comes last.
        const MinMaxValidator validator(nullptr, 100.f, 10.f, 0);
        QString five = QStringLiteral("5");
        QCOMPARE(validated(validator, five), Acceptable);
        QCOMPARE(int(validator.validateFinal(five)), 0);
    }
};

LIR_TEST_CLASS(TestValidators)
#include "tst_Validators.moc"
