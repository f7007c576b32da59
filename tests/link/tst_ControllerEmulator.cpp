#include "ControllerEmulator.h"
#include "common/TestRegistry.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// The emulator itself: it must never outlive the tests that start it.
class TestControllerEmulator : public QObject
{
    Q_OBJECT

    static QString program() { return QStringLiteral(LIR_TOOLS_DIR "/lir-controller-sim"); }
    static QString document() { return QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"); }

private slots:
    void help()
    {
        QProcess process;
        process.start(program(), {"--help"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
        const QString help = QString::fromUtf8(process.readAllStandardOutput());
        for (const char* option :
             {"--device", "--silent", "--status", "--wrong-command", "--wrong-start", "--bad-crc",
              "--trailing", "--split", "--pause", "--baud", "--huge-length", "--exit-after"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    void badUsage()
    {
        QProcess process;
        process.start(program(), {"--status", "0", document()});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 2);
    }

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
        process.start(program(), {document()});
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
