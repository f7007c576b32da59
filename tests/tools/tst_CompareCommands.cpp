#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentHelpers;

namespace {
const QString kLir1 = QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");

ToolRun settings(const QStringList& arguments)
{
    return ToolRun::run(QStringLiteral("lir-settings"), arguments);
}
} // namespace

class TestCompareCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString path(const char* name) const { return m_Dir.filePath(QLatin1String(name)); }
    QString controllerFile() const { return path("controller.xml"); }

private slots:
    void init()
    {
        QVERIFY(m_Dir.isValid());
        for (const QString& name : QDir(m_Dir.path()).entryList(QDir::Files))
            QFile::remove(m_Dir.filePath(name));
        QVERIFY(QFile::copy(kLir1, controllerFile()));
    }

    void diffOfFiles_data()
    {
        QTest::addColumn<QByteArray>("from"); // replaced in a copy of ЛИР-1's default
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("equal") << QByteArray() << QByteArray() << 0 << QString();
        QTest::newRow("a value, with < escaped in the table")
            << QByteArray("value=\"502\"") << QByteArray("value=\"&lt;502\"") << 1
            << "Связь/Ethernet / Порт Modbus TCP: 502 -> <502\n";
    }

    void diffOfFiles()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QVERIFY(writeFile(path("b.xml"), readFile(kLir1).replace(from, to)));
        const ToolRun run = settings({"diff", "--html", path("d.html"), kLir1, path("b.xml")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.outText(), out);
        const QString html = QString::fromUtf8(readFile(path("d.html")));
        QVERIFY(html.contains(QStringLiteral("<th>A: ") + kLir1.toHtmlEscaped()));
        QCOMPARE(html.contains(QStringLiteral("<td>&lt;502</td>")), exitCode == 1);
    }

    void diffErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("one side only") << QStringList{"diff", kLir1} << "Usage:";
        QTest::newRow("a missing file")
            << QStringList{"diff", kLir1, "/no/such.xml"} << "cannot read /no/such.xml";
        QTest::newRow("no document")
            << QStringList{"diff", kLir1,
                           QStringLiteral(LIR_TEST_DATA_DIR "/broken_tag_mismatch.xml")}
            << "not a settings document";
        QTest::newRow("an unwritable table")
            << QStringList{"diff", "--html", "/no/such/dir/d.html", kLir1, kLir1}
            << "не удалось записать /no/such/dir/d.html";
        QTest::newRow("a port that cannot be opened")
            << QStringList{"diff", kLir1, "port:/dev/lir-no-such-tty"} << "Ошибка Открытия порта";
    }

    void diffErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolRun run = settings(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void diffAgainstAController()
    {
        QVERIFY(writeFile(controllerFile(),
                          readFile(kLir1).replace("value=\"5000\"", "value=\"4000\"")));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), QStringList());
        const ToolRun run = settings({"diff", "port:" + emulator.devicePath(), kLir1});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.outText(),
                 QStringLiteral("Связь/Ethernet / Тайм-аут соединения: 4000 -> 5000\n"));
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
    }

    // Two runs of the tool send the same text, and it is the editor's.
    void writesFromTwoProcessesAreIdentical()
    {
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), QStringList());
        QByteArray stored[2];
        for (QByteArray& text : stored) {
            QCOMPARE(settings({"write", "--port", emulator.devicePath(), kLir1}).exitCode, 0);
            text = readFile(controllerFile());
        }
        LoadedEditor editor;
        editor.loadFile(kLir1);
        QCOMPARE(stored[0], editor.window.m_XmlWork->documentText());
        QCOMPARE(stored[1], stored[0]);
    }

    void verify_data()
    {
        QTest::addColumn<QByteArray>("firstValue"); // of the first setting, a bit, as sent
        QTest::addColumn<QStringList>("emulatorOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("stored as sent") << QByteArray("1") << QStringList() << 0 << "verified\n";
        QTest::newRow("stored with a changed value")
            << QByteArray("1") << QStringList{"--store-changed", "0"} << 1
            << "Связь/Ethernet / Ethernet включён: 1 -> 0\n";
        QTest::newRow("a bit's 0 stored as 7, which shows cleared too")
            << QByteArray("0") << QStringList{"--store-changed", "7"} << 1
            << "Связь/Ethernet / Ethernet включён: 0 -> 7\n";
    }

    void verify()
    {
        QFETCH(QByteArray, firstValue);
        QFETCH(QStringList, emulatorOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const QByteArray first = "key=\"eth_on\" type=\"bit\" value=\"";
        QVERIFY(writeFile(path("sent.xml"),
                          readFile(kLir1).replace(first + "1\"", first + firstValue + '"')));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), emulatorOptions);
        const ToolRun run =
            settings({"write", "--port", emulator.devicePath(), "--verify", path("sent.xml")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.outText(), out);
        QCOMPARE(emulator.requests(), (QList<int>{1, 3, 1, 2}));
    }

    void backup_data()
    {
        QTest::addColumn<QStringList>("emulatorOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<int>>("requests");
        QTest::newRow("saved before the write") << QStringList() << 0 << QList<int>{1, 2, 1, 3};
        QTest::newRow("a failing read writes nothing")
            << QStringList{"--fault-on", "2", "--bad-crc"} << 1 << QList<int>{1, 2};
    }

    void backup()
    {
        QFETCH(QStringList, emulatorOptions);
        QFETCH(int, exitCode);
        QFETCH(QList<int>, requests);
        const QByteArray before = "<lir1Settings formatVerMaj=\"1\"><container name=\"Старое\"/>"
                                  "</lir1Settings>";
        QVERIFY(writeFile(controllerFile(), before));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), emulatorOptions);
        const ToolRun run = settings(
            {"write", "--port", emulator.devicePath(), "--backup", path("backup.xml"), kLir1});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(emulator.requests(), requests);
        QCOMPARE(QFile::exists(path("backup.xml")), exitCode == 0);
        if (exitCode == 0)
            QCOMPARE(readFile(path("backup.xml")), before);
        else
            QCOMPARE(readFile(controllerFile()), before);
    }
};

LIR_TEST_CLASS(TestCompareCommands)
#include "tst_CompareCommands.moc"
