#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"
#include "document/XMLWork.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <unistd.h>

using namespace DocumentHelpers;

namespace {
const QString kSucceeded = QStringLiteral("Удачно записаны настройки.");

ToolRun runTool(const QStringList& arguments)
{
    return ToolRun::run(QStringLiteral("lir-settings"), arguments);
}

// The document as the editor would send it after opening `path`.
QByteArray editorText(const QString& path)
{
    LoadedEditor editor;
    editor.loadFile(path);
    QByteArray bytes;
    editor.window.m_XmlWork->slotSaveDomDocumentToBytes(bytes);
    return bytes;
}
} // namespace

class TestLinkCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString path(const char* name) const { return m_Dir.filePath(QLatin1String(name)); }
    QString controllerFile() const { return path("controller.xml"); }
    QString lir1() const { return QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"); }

private slots:
    void init()
    {
        QVERIFY(m_Dir.isValid());
        QFile::remove(controllerFile());
        QFile::remove(path("out.xml"));
        QVERIFY(QFile::copy(lir1(), controllerFile()));
    }

    void version()
    {
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), QStringList());
        const ToolRun run = runTool({"version", "--port", emulator.devicePath()});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("1\n"));
        QCOMPARE(emulator.requests(), QList<int>{1});
    }

    void readIntoAFileAndToStandardOutput()
    {
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), QStringList());
        const ToolRun toFile =
            runTool({"read", "--port", emulator.devicePath(), "-o", path("out.xml")});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QCOMPARE(readFile(path("out.xml")), readFile(controllerFile()));
        const ToolRun toStdout = runTool({"read", "--port", emulator.devicePath()});
        QCOMPARE(toStdout.exitCode, 0);
        QCOMPARE(toStdout.out, readFile(controllerFile()));
        QCOMPARE(emulator.requests(), (QList<int>{1, 2, 1, 2}));
    }

    void writeStoresTheEditorsText_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("a whole reply") << QStringList();
        // A write reply is 14 bytes: a cut or a death there leaves it whole.
        QTest::newRow("cut at the end of the reply")
            << QStringList{"--fault-on", "3", "--cut", "14"};
        QTest::newRow("killed after the whole reply")
            << QStringList{"--fault-on", "3", "--kill-after", "14"};
    }

    void writeStoresTheEditorsText()
    {
        QFETCH(QStringList, faults);
        QVERIFY(QFile::remove(controllerFile()));
        QVERIFY(QFile::copy(QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml"),
                            controllerFile()));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(),
                       QStringList({"--controller-version", "1"}) + faults);
        const ToolRun run = runTool({"write", "--port", emulator.devicePath(), lir1()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains(kSucceeded), qPrintable(run.err));
        QCOMPARE(emulator.requests(), (QList<int>{1, 3}));
        const QByteArray expected = editorText(lir1());
        QVERIFY(!expected.isEmpty());
        QVERIFY(!canonicalXml(expected).isEmpty());
        QCOMPARE(canonicalXml(readFile(controllerFile())), canonicalXml(expected));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("emulatorOptions");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("requests");

        QTest::newRow("write to another version")
            << QStringList{"--controller-version", "2"} << "write" << 1
            << "Версия текущих настроек и контроллера не совпадает." << QList<int>{1};
        QTest::newRow("read with a bad checksum")
            << QStringList{"--fault-on", "2", "--bad-crc"} << "read" << 1
            << "Ошибка целостности данных(crc)." << QList<int>{1, 2};
        QTest::newRow("version with status 5")
            << QStringList{"--status", "5"} << "version" << 1
            << "Ошибка полученная от устройства: 5" << QList<int>{1};
        QTest::newRow("write refused by the controller")
            << QStringList{"--fault-on", "3", "--status", "3"} << "write" << 1
            << "Ошибка полученная от устройства: 3" << QList<int>{1, 3};
        QTest::newRow("write answered with a payload length")
            << QStringList{"--fault-on", "3", "--huge-length"} << "write" << 1
            << "Ошибка получения неправильный заголовок ответа" << QList<int>{1, 3};
        QTest::newRow("read of an empty document")
            << QStringList{"--empty"} << "read" << 1 << "Контроллер не передал документ настроек."
            << QList<int>{1, 2};
    }

    void failures()
    {
        QFETCH(QStringList, emulatorOptions);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QList<int>, requests);
        if (emulatorOptions == QStringList{"--empty"}) {
            QVERIFY(writeFile(controllerFile(), QByteArray()));
            emulatorOptions = QStringList{"--controller-version", "1"};
        }
        const QByteArray controllerBefore = readFile(controllerFile());
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), emulatorOptions);
        QStringList arguments{command, "--port", emulator.devicePath()};
        if (command == QLatin1String("write"))
            arguments << lir1();
        if (command == QLatin1String("read"))
            arguments << "-o" << path("out.xml");
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(
            run.err.contains(emulator.devicePath() + QStringLiteral(": Ошибка...: ") + message),
            qPrintable(run.err));
        QCOMPARE(emulator.requests(), requests);
        QVERIFY(!QFile::exists(path("out.xml")));
        QCOMPARE(readFile(controllerFile()), controllerBefore);
    }

    void refusedValuesAreNeverSent()
    {
        QVERIFY(writeFile(path("bad.xml"),
                          "<lir1Settings formatVerMaj=\"1\"><container name=\"Связь\">"
                          "<signal name=\"Порт\" type=\"number\" min=\"1\" max=\"10\" e=\"0\" "
                          "value=\"99\"/></container></lir1Settings>"));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, controllerFile(), QStringList());
        const ToolRun run = runTool({"write", "--port", emulator.devicePath(), path("bad.xml")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("Связь :: Порт")), qPrintable(run.err));
        QVERIFY(emulator.requests().isEmpty());
    }

    void portFailuresGiveTheReason_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("error");
        QTest::newRow("a missing device") << "/dev/lir-no-such-tty" << ENOENT;
        QTest::newRow("a file, no terminal") << "FILE" << ENOTTY;
        QTest::newRow("a folder") << "FOLDER" << EISDIR;
        QTest::newRow("no permission") << "LOCKED" << EACCES;
    }

    void portFailuresGiveTheReason()
    {
        QFETCH(QString, port);
        QFETCH(int, error);
        if (port == QLatin1String("LOCKED") && geteuid() == 0)
            QSKIP("root opens a file without permissions");
        if (port == QLatin1String("FOLDER"))
            port = m_Dir.path();
        if (port == QLatin1String("FILE") || port == QLatin1String("LOCKED")) {
            QVERIFY(writeFile(path("port"), "x"));
            QVERIFY(QFile::setPermissions(path("port"), port == QLatin1String("FILE")
                                                            ? QFile::ReadOwner | QFile::WriteOwner
                                                            : QFile::Permissions()));
            port = path("port");
        }
        const QString name = port.startsWith(QLatin1String("/dev/")) ? port.mid(5) : port;
        const ToolRun run = runTool({"version", "--port", port});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, port + QStringLiteral(": Ошибка Открытия порта:  ") + name +
                              QStringLiteral(": ") + qt_error_string(error) + QLatin1Char('\n'));
    }

    void usageAndFileErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("version without a port") << QStringList{"version"} << 2;
        QTest::newRow("read with an extra argument")
            << QStringList{"read", "--port", "/dev/null", "x.xml"} << 2;
        QTest::newRow("write without a file") << QStringList{"write", "--port", "/dev/null"} << 2;
        QTest::newRow("write of a missing file")
            << QStringList{"write", "--port", "/dev/null", "/no/such/file.xml"} << 2;
        QTest::newRow("a port that cannot be opened")
            << QStringList{"version", "--port", "/dev/lir-no-such-tty"} << 1;
    }

    void usageAndFileErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const ToolRun run = runTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        if (exitCode == 1)
            QVERIFY2(run.err.contains(QStringLiteral("Ошибка Открытия порта:  lir-no-such-tty")),
                     qPrintable(run.err));
    }
};

LIR_TEST_CLASS(TestLinkCommandLine)
#include "tst_LinkCommandLine.moc"
