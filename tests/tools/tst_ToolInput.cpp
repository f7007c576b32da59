#include "common/DocumentHelpers.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"
#include "document/DocumentParser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kRefusedValue =
    "<lir1Settings formatVerMaj='1'><container name='A'>"
    "<signal name='s' type='number' min='1' max='5' value='9'/></container></lir1Settings>";
} // namespace

// What lir-settings reads and which arguments it takes: documents read once
// from a file, a pipe or standard input, within the size bound, and only the
// command's own options.
class TestToolInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString path(const char* name) const { return m_Dir.filePath(QString::fromUtf8(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Dir.isValid());
        QVERIFY(DocumentHelpers::writeFile(path("refused.xml"), kRefusedValue));
        QVERIFY(DocumentHelpers::writeFile(
            path("foreign.xml"), "<!-- no settings -->\n<foo><container name='A'/></foo>"));
        QVERIFY(DocumentHelpers::writeFile(path("unversioned.xml"),
                                           "<lir1Settings><container name='A'/></lir1Settings>"));
        QFile huge(path("huge.xml"));
        QVERIFY(huge.open(QIODevice::WriteOnly) &&
                huge.resize(DocumentParser::kMaxDocumentBytes + 1));
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("args"); // "@" stands for the scratch folder
        QTest::addColumn<QByteArray>("input"); // standard input
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed"); // all of standard output, or a line of the errors
        const QString finding = QStringLiteral(
            ":1: setting \"s\" in \"A\": value \"9\" is outside the limits 1 to 5\n");
        const QString foreign =
            QStringLiteral("foreign.xml:2: not a settings document: the document element is "
                           "foo, not lir1Settings");
        QTest::newRow("check /dev/stdin: the piped text read once")
            << QStringList{"check", "/dev/stdin"} << kRefusedValue << 1 << "/dev/stdin" + finding;
        QTest::newRow("check -: standard input")
            << QStringList{"check", "-"} << kRefusedValue << 1 << "-" + finding;
        QTest::newRow("check: a foreign document element")
            << QStringList{"check", "@/foreign.xml"} << QByteArray() << 1 << "@/" + foreign + "\n";
        QTest::newRow("check: no formatVerMaj")
            << QStringList{"check", "@/unversioned.xml"} << QByteArray() << 1
            << "@/unversioned.xml:1: the document element has no formatVerMaj\n";
        QTest::newRow("report: a foreign document element")
            << QStringList{"report", "@/foreign.xml"} << QByteArray() << 1
            << "lir-settings report: @/" + foreign;
        QTest::newRow("diff: a foreign document element")
            << QStringList{"diff", "@/refused.xml", "@/foreign.xml"} << QByteArray() << 2
            << "lir-settings: @/" + foreign;
        QTest::newRow("write: a foreign document element")
            << QStringList{"write", "--port", "@/none", "@/foreign.xml"} << QByteArray() << 2
            << "lir-settings write: @/" + foreign;
        QTest::newRow("check: past the size bound")
            << QStringList{"check", "@/huge.xml"} << QByteArray() << 2
            << "@/huge.xml: Ошибка Открытия файла: Не удалось открыть файл «@/huge.xml»: "
               "Документ больше 16 МиБ (16777216 байт)\n";
        QTest::newRow("diff: standard input past the size bound")
            << QStringList{"diff", "-", "@/refused.xml"}
            << QByteArray(DocumentParser::kMaxDocumentBytes + 1, ' ') << 2
            << "lir-settings: cannot read -: Документ больше 16 МиБ (16777216 байт)";
        QTest::newRow("a Qt option: -platform")
            << QStringList{"check", "-platform", "X", "@/refused.xml"} << QByteArray() << 2
            << "lir-settings check: unknown option -platform";
        QTest::newRow("a Qt option: -style taking a file name")
            << QStringList{"check", "-style", "@/refused.xml", "@/refused.xml"} << QByteArray() << 2
            << "lir-settings check: unknown option -style";
        QTest::newRow("an unknown option")
            << QStringList{"check", "--frob", "@/refused.xml"} << QByteArray() << 2
            << "lir-settings check: unknown option --frob";
        QTest::newRow("-- ends the options")
            << QStringList{"check", "--", "--frob"} << QByteArray() << 2
            << "--frob: Ошибка Открытия файла: Не удалось открыть файл «--frob»: No such file "
               "or directory\n";
    }

    void run()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        args.replaceInStrings(QStringLiteral("@"), m_Dir.path());
        printed.replace(QLatin1Char('@'), m_Dir.path());
        const ToolRun result = ToolRun::run(QStringLiteral("lir-settings"), args, input);
        QCOMPARE(result.exitCode, exitCode);
        if (printed.endsWith(QLatin1Char('\n')))
            QCOMPARE(result.outText(), printed);
        else
            QVERIFY2(result.err.split(QLatin1Char('\n')).contains(printed), qPrintable(result.err));
    }
};

LIR_TEST_CLASS(TestToolInput)
#include "tst_ToolInput.moc"
