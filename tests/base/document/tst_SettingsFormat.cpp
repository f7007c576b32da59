#include "common/TestRegistry.h"
#include "document/SymbolTable.h"
#include "document/TypeLine.h"
#include "document/ValueCodec.h"

#include <QDomDocument>
#include <QTest>

Q_DECLARE_METATYPE(TypeLine)

class TestSettingsFormat : public QObject
{
    Q_OBJECT

    static QDomElement parse(QDomDocument& document, const QString& text)
    {
        const bool parsed = document.setContent(text);
        Q_ASSERT(parsed);
        return document.documentElement();
    }

private slots:
    void kindSelection_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<TypeLine>("kind");
        QTest::newRow("flags") << "flags" << xmlFlags;
        QTest::newRow("number") << "number" << xmlnumber;
        QTest::newRow("enum") << "enum" << xmlenum;
        QTest::newRow("bit") << "bit" << xmlbit;
        QTest::newRow("string") << "string" << xmlstring;
        QTest::newRow("macAddress") << "macAddress" << xmlmacAddress;
        QTest::newRow("ipAddress") << "ipAddress" << xmlipAddress;
        QTest::newRow("bit and flags: flags is searched first") << "bit flags" << xmlFlags;
        QTest::newRow("ipAddress and string: string first") << "ipAddress string" << xmlstring;
        QTest::newRow("contained in a longer word") << "uint16number" << xmlnumber;
        QTest::newRow("'enumber' holds number before enum") << "enumber" << xmlnumber;
        QTest::newRow("case-sensitive") << "Number" << xmlunknown;
        QTest::newRow("macaddress in lower case") << "macaddress" << xmlunknown;
        QTest::newRow("empty") << "" << xmlunknown;
        QTest::newRow("no kind word") << "float" << xmlunknown;
    }

    void kindSelection()
    {
        QFETCH(QString, type);
        QFETCH(TypeLine, kind);
        QCOMPARE(typeLineFromType(type), kind);
    }

    void kindNames()
    {
        QCOMPARE(typeLineName(xmlnotset), QStringLiteral("default"));
        QCOMPARE(typeLineName(xmlunknown), QStringLiteral("default"));
        QCOMPARE(typeLineName(xmlFlags), QStringLiteral("xmlFlags"));
        QCOMPARE(typeLineName(xmlipAddress), QStringLiteral("xmlipAddress"));
        QCOMPARE(int(xmlnotset), -1);
        QCOMPARE(int(xmlipAddress), 7);
    }

    void symbolTable_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("size");
        const QString basic = QStringLiteral(
            "<lir1Settings><symbols symbols_latin=\"1\" symbols_phone=\"3\" other=\"7\"/>"
            "</lir1Settings>");
        QTest::newRow("prefix dropped") << basic << "latin" << 1 << 2;
        QTest::newRow("second symbol") << basic << "phone" << 3 << 2;
        QTest::newRow("attribute without the prefix is ignored") << basic << "other" << -1 << 2;
        QTest::newRow("unknown name") << basic << "cyrillic" << -1 << 2;
        QTest::newRow("prefix anywhere: first eight characters dropped")
            << "<lir1Settings><symbols xsymbols_ab=\"4\"/></lir1Settings>"
            << "_ab" << 4 << 1;
        QTest::newRow("non-numeric code reads as 0")
            << "<lir1Settings><symbols symbols_x=\"five\"/></lir1Settings>"
            << "x" << 0 << 1;
        QTest::newRow("no symbols element") << "<lir1Settings><container/></lir1Settings>"
                                            << "latin" << -1 << 0;
        QTest::newRow("symbols not directly under the root are not read")
            << "<lir1Settings><container><symbols symbols_latin=\"1\"/></container></lir1Settings>"
            << "latin" << -1 << 0;
        QTest::newRow("only the first symbols element")
            << "<lir1Settings><symbols symbols_a=\"1\"/><symbols symbols_b=\"2\"/></lir1Settings>"
            << "b" << -1 << 1;
    }

    void symbolTable()
    {
        QFETCH(QString, document);
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(int, size);
        QDomDocument dom;
        SymbolTable table;
        table.loadSymbols(parse(dom, QStringLiteral("<lir1Settings><symbols symbols_stale=\"2\"/>"
                                                    "</lir1Settings>")));
        QDomDocument next;
        table.loadSymbols(parse(next, document));
        QCOMPARE(table.symbolCode(name), code);
        QCOMPARE(table.size(), size);
        QCOMPARE(table.symbolCode(QStringLiteral("stale")), -1);
    }

    void symbolTableFirstOfDuplicates()
    {
        // "symbols__b" and "Xsymbols_b" both name the symbol "_b".
        QDomDocument dom;
        SymbolTable table;
        table.loadSymbols(
            parse(dom, QStringLiteral("<lir1Settings><symbols symbols__b=\"2\" Xsymbols_b=\"5\"/>"
                                      "</lir1Settings>")));
        QCOMPARE(table.size(), 2);
        QCOMPARE(table.symbols().at(0).second, QStringLiteral("_b"));
        QCOMPARE(table.symbols().at(1).second, QStringLiteral("_b"));
        QCOMPARE(table.symbolCode(QStringLiteral("_b")), table.symbols().at(0).first);
    }

    void formatVersionByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("256 wraps to 0") << "256" << 0;
        QTest::newRow("257 keeps low bits") << "257" << 1;
        QTest::newRow("non-numeric") << "abc" << 0;
        QTest::newRow("absent") << "" << 0;
    }

    void formatVersionByte()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QCOMPARE(int(ValueCodec::formatVersionByte(text)), stored);
    }

    void bitEncoding_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("set");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("01 reads as 1") << "01" << true;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("text") << "yes" << false;
    }

    void bitEncoding()
    {
        QFETCH(QString, value);
        QFETCH(bool, set);
        QCOMPARE(ValueCodec::bitIsSet(value), set);
        QCOMPARE(ValueCodec::bitValue(true), QStringLiteral("1"));
        QCOMPARE(ValueCodec::bitValue(false), QStringLiteral("0"));
        QCOMPARE(ValueCodec::digitOfCheckState(Qt::Checked), 1);
        QCOMPARE(ValueCodec::digitOfCheckState(Qt::PartiallyChecked), 0);
        QCOMPARE(ValueCodec::digitOfCheckState(Qt::Unchecked), 0);
    }

    void flagsReading_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("keys");   // the items' keys, space separated
        QTest::addColumn<QString>("states"); // per item: 1 set, 0 clear, - undetermined
        QTest::newRow("example") << "o1:1 o2:0 o3:1"
                                 << "o1 o2 o3"
                                 << "101";
        QTest::newRow("item keys in another order are read by key") << "B:1 A:0"
                                                                    << "A B"
                                                                    << "01";
        QTest::newRow("an item without a token stays undetermined") << "c:1 a:0"
                                                                    << "a b c"
                                                                    << "0-1";
        QTest::newRow("a foreign key reads by position") << "o3:1 x:0 o2:0"
                                                         << "o1 o2 o3"
                                                         << "100";
        QTest::newRow("second part must read as 1") << "a:01 b:2 c:x"
                                                    << "a b c"
                                                    << "100";
        QTest::newRow("extra space stops at the empty token") << "a:1  b:1 c:1"
                                                              << "a b c"
                                                              << "1--";
        QTest::newRow("token without colon stops") << "a:1 b c:1"
                                                   << "a b c"
                                                   << "1--";
        QTest::newRow("token with two colons stops") << "a:1:1 b:1"
                                                     << "a b"
                                                     << "--";
        QTest::newRow("more tokens than items") << "a:0 b:1 c:1"
                                                << "a b"
                                                << "01";
    }

    void flagsReading()
    {
        QFETCH(QString, value);
        QFETCH(QString, keys);
        QFETCH(QString, states);
        QString read;
        for (ValueCodec::FlagState state :
             ValueCodec::flagsStates(value, keys.split(' ', Qt::SkipEmptyParts)))
            read += state == ValueCodec::FlagState::Set     ? '1'
                    : state == ValueCodec::FlagState::Clear ? '0'
                                                            : '-';
        QCOMPARE(read, states);
    }

    void decimalComparison_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("trailing zeros") << "7.5"
                                        << "7.50" << true;
        QTest::newRow("leading zeros and sign") << "+007"
                                                << "7" << true;
        QTest::newRow("negative zero") << "-0.0"
                                       << "0" << true;
        QTest::newRow("different numbers") << "15"
                                           << "20" << false;
        QTest::newRow("beyond double precision") << "0.10000000000000000001"
                                                 << "0.1" << false;
    }

    void decimalComparison()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QString ca;
        QString cb;
        QVERIFY(ValueCodec::canonicalDecimal(a, ca));
        QVERIFY(ValueCodec::canonicalDecimal(b, cb));
        QCOMPARE(ca == cb, same);
    }

    void flagsWriting_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("written");
        QTest::newRow("clear the third") << "o1:1 o2:0 o3:1"
                                         << "o3" << 0 << "o1:1 o2:0 o3:0";
        QTest::newRow("set the first") << "o1:0 o2:0"
                                       << "o1" << 1 << "o1:1 o2:0";
        QTest::newRow("key is matched whole") << "o10:0 o1:0"
                                              << "o1" << 1 << "o10:0 o1:1";
        QTest::newRow("order kept") << "b:0 a:0"
                                    << "a" << 1 << "b:0 a:1";
        QTest::newRow("a run of digits is rewritten whole") << "a:10 b:0"
                                                            << "a" << 1 << "a:1 b:0";
        QTest::newRow("only the digit is replaced") << "a:0x b:0"
                                                    << "a" << 1 << "a:1x b:0";
        QTest::newRow("missing key appended") << "a:1"
                                              << "b" << 1 << "a:1 b:1";
        QTest::newRow("missing key, empty value") << ""
                                                  << "b" << 0 << "b:0";
        QTest::newRow("token with empty digit gains it") << "a: b:1"
                                                         << "a" << 1 << "a:1 b:1";
        QTest::newRow("key inside another token is not matched") << "xa:0"
                                                                 << "a" << 1 << "xa:0 a:1";
    }

    void flagsWriting()
    {
        QFETCH(QString, value);
        QFETCH(QString, key);
        QFETCH(int, digit);
        QFETCH(QString, written);
        QCOMPARE(ValueCodec::flagsWithDigit(value, key, digit), written);
    }

    void flagsWritingTogether_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("writes"); // key=digit, in order
        QTest::addColumn<QString>("written");
        QTest::newRow("several items") << "a:0 b:0 c:0"
                                       << "c=1 a=1"
                                       << "a:1 b:0 c:1";
        QTest::newRow("the same key twice: the last write stays") << "a:0"
                                                                  << "a=1 a=0"
                                                                  << "a:0";
        QTest::newRow("an appended token takes the next write") << "a:0"
                                                                << "b=1 b=0"
                                                                << "a:0 b:0";
        QTest::newRow("into an empty value") << ""
                                             << "a=1 b=0"
                                             << "a:1 b:0";
        QTest::newRow("keys with colons match as prefixes") << "x:y:0 x:1"
                                                            << "x:y=1 x=0"
                                                            << "x:0:1 x:1";
    }

    void flagsWritingTogether()
    {
        QFETCH(QString, value);
        QFETCH(QString, writes);
        QFETCH(QString, written);
        QVector<ValueCodec::FlagWrite> list;
        for (const QString& write : writes.split(QLatin1Char(' ')))
            list.append({write.section(QLatin1Char('='), 0, 0),
                         write.section(QLatin1Char('='), 1).toInt()});
        QCOMPARE(ValueCodec::flagsWithDigits(value, list), written);
    }
};

LIR_TEST_CLASS(TestSettingsFormat)
#include "tst_SettingsFormat.moc"
