#include "common/ControllerEmulator.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The emulator itself: it must never outlive the tests that start it.
class TestControllerEmulator : public QObject
{
    Q_OBJECT

    static QString document() { return QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"); }
    static ToolRun run(const QStringList& args)
    {
        return ToolRun::run(QStringLiteral("lir-controller-sim"), args);
    }

private slots:
    void help()
    {
        const ToolRun help = run({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char* option :
             {"--device", "--silent", "--status", "--wrong-command", "--wrong-start", "--bad-crc",
              "--trailing", "--split", "--pause", "--baud", "--huge-length", "--exit-after"})
            QVERIFY2(help.outText().contains(QLatin1String(option)), option);
    }

    void badUsage() { QCOMPARE(run({"--status", "0", document()}).exitCode, 2); }

    void stops_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("SIGTERM") << "term";
        QTest::newRow("SIGINT") << "int";
        QTest::newRow("SIGHUP, its terminal closed") << "hup";
        QTest::newRow("SIGQUIT") << "quit";
        QTest::newRow("end of standard input") << "stdin";
    }

    void stops()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("lir-sim"));
        QProcess process;
        ToolRun::prepare(process, QStringLiteral("lir-controller-sim"),
                         {"--link", link, document()});
        process.start();
        QVERIFY(process.waitForStarted(10000));
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
        if (!process.canReadLine()) {
            process.waitForFinished(10000);
            if (process.exitCode() == 3)
                QSKIP("no pseudo-terminal can be had on this system");
            QFAIL(process.readAllStandardError().constData());
        }
        if (how == QLatin1String("term"))
            process.terminate();
        else if (how == QLatin1String("int"))
            ::kill(pid_t(process.processId()), SIGINT);
        else if (how == QLatin1String("hup"))
            ::kill(pid_t(process.processId()), SIGHUP);
        else if (how == QLatin1String("quit"))
            ::kill(pid_t(process.processId()), SIGQUIT);
        else if (how == QLatin1String("stdin"))
            process.closeWriteChannel();
        else
            QFAIL(qPrintable("unknown way to stop: " + how));
        const bool finished = process.waitForFinished(10000);
        if (!finished)
            process.kill();
        QVERIFY(finished);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void linkBelongsToOneEmulator_data()
    {
        QTest::addColumn<QString>("standing");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a running emulator's link is refused") << "running" << false;
        QTest::newRow("a killed emulator's link is replaced") << "killed" << true;
        QTest::newRow("a link no emulator made is kept") << "foreign" << false;
    }

    void linkBelongsToOneEmulator()
    {
        QFETCH(QString, standing);
        QFETCH(bool, taken);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("lir-sim"));
        ControllerEmulator first;
        if (standing == QLatin1String("foreign"))
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), link));
        else
            START_EMULATOR(first, document(), (QStringList{"--link", link}));
        if (standing == QLatin1String("killed"))
            first.kill();
        const QString before = QFileInfo(link).symLinkTarget();
        ControllerEmulator second;
        const bool started =
            second.start(document(), {"--link", link}) == ControllerEmulator::Start::Running;
        QVERIFY2(started == taken, qPrintable(second.failure()));
        QCOMPARE(QFileInfo(link).symLinkTarget(), taken ? second.devicePath() : before);
    }
};

LIR_TEST_CLASS(TestControllerEmulator)
#include "tst_ControllerEmulator.moc"
