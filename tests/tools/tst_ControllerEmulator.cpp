#include "common/ControllerEmulator.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

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
        QTest::newRow("end of standard input") << "stdin";
    }

    void stops()
    {
        QFETCH(QString, how);
        QProcess process;
        ToolRun::prepare(process, QStringLiteral("lir-controller-sim"), {document()});
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
    }
};

LIR_TEST_CLASS(TestControllerEmulator)
#include "tst_ControllerEmulator.moc"
