#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"
#include "document/LoadedDocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentHelpers;

namespace {
const QString kLir1 = QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");
const QByteArray kTimeout = "value=\"5000\""; // Связь/Ethernet / Тайм-аут соединения
const QByteArray kModbusPort = "value=\"502\"";

// ЛИР-1's default as the editor saves it, its timeout set to `timeout`.
QByteArray savedDefault(const QByteArray& timeout)
{
    LoadedDocument loaded;
    loaded.load(readFile(kLir1));
    return loaded.text().replace(kTimeout, "value=\"" + timeout + '"');
}
} // namespace

class TestCarryMerge : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString path(const QString& name) const { return m_Dir.filePath(name); }

    // Runs lir-settings with the bare names of `arguments` made names in the
    // test's folder.
    ToolRun settings(QStringList arguments) const
    {
        for (QString& argument : arguments) {
            if (argument.endsWith(QLatin1String(".xml")) && !argument.contains(QLatin1Char('/')))
                argument = path(argument);
        }
        return ToolRun::run(QStringLiteral("lir-settings"), arguments);
    }

    // A run of git in the repository `repository`, with its output and errors
    // in `output`; -1 when it did not finish.
    static int git(const QString& repository, const QStringList& arguments,
                   QString* output = nullptr)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"GIT_AUTHOR", "GIT_COMMITTER"}) {
            environment.insert(QString::fromLatin1(name) + "_NAME", "Test");
            environment.insert(QString::fromLatin1(name) + "_EMAIL", "test@example.org");
        }
        environment.insert(QStringLiteral("GIT_CONFIG_NOSYSTEM"), QStringLiteral("1"));
        environment.insert(QStringLiteral("GIT_CONFIG_GLOBAL"), QStringLiteral("/dev/null"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(repository);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("git"), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (output)
            *output = QString::fromUtf8(process.readAll());
        return process.exitCode();
    }

private slots:
    void init()
    {
        QVERIFY(m_Dir.isValid());
        for (const QString& name : QDir(m_Dir.path()).entryList(QDir::Files))
            QFile::remove(m_Dir.filePath(name));
        const QByteArray lir1 = readFile(kLir1);
        QVERIFY(writeFile(path("onto.xml"), lir1));
        QVERIFY(writeFile(path("old.xml"), QByteArray(lir1).replace(kTimeout, "value=\"4000\"")));
        QVERIFY(
            writeFile(path("theirs.xml"), QByteArray(lir1).replace(kTimeout, "value=\"3000\"")));
        QVERIFY(
            writeFile(path("wide.xml"), QByteArray(lir1)
                                            .replace(kModbusPort, "value=\"70000\"")
                                            .replace("Тайм-аут соединения", "Тайм-аут старый")));
    }

    void carryFromAController()
    {
        QVERIFY(QFile::copy(path("old.xml"), path("controller.xml")));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, path("controller.xml"), QStringList());
        const ToolRun run =
            settings({"carry", "port:" + emulator.devicePath(), "onto.xml", "-o", "out.xml"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.outText(), QStringLiteral("carried 1, kept 75, refused 0, dropped 0\n"));
        QCOMPARE(readFile(path("out.xml")), savedDefault("4000"));
    }

    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");        // a part of it
        QTest::addColumn<QByteArray>("timeout"); // in out.xml; null when none is written
        QTest::newRow("carry without -o") << QStringList{"carry", "old.xml", "onto.xml"} << 2
                                          << QString() << "Usage:" << QByteArray();
        QTest::newRow("carry -o naming ONTO")
            << QStringList{"carry", "old.xml", "onto.xml", "-o", "onto.xml"} << 2 << QString()
            << "тот же файл" << QByteArray();
        QTest::newRow("carry refusing and dropping still writes")
            << QStringList{"carry", "wide.xml", "onto.xml", "-o", "out.xml"} << 1
            << "carried 0, kept 75, refused 1, dropped 1\n"
               "refused Связь/Ethernet / Порт Modbus TCP: value \"70000\" is outside the limits "
               "1 to 65535\n"
               "dropped Связь/Ethernet / Тайм-аут старый: 5000\n"
            << QString() << QByteArray("5000");
        QTest::newRow("carry from an unreadable file")
            << QStringList{"carry", "/no/such.xml", "onto.xml", "-o", "out.xml"} << 2 << QString()
            << "cannot read /no/such.xml" << QByteArray();
        QTest::newRow("merge without -o")
            << QStringList{"merge", "onto.xml", "old.xml", "theirs.xml"} << 2 << QString()
            << "Usage:" << QByteArray();
        QTest::newRow("merge with a conflict keeps OURS")
            << QStringList{"merge", "onto.xml", "old.xml", "theirs.xml", "-o", "out.xml"} << 1
            << "unchanged 75, ours 0, theirs 0, both 0, conflict 1, refused 0, dropped 0\n"
               "conflict Связь/Ethernet / Тайм-аут соединения: base \"5000\", ours \"4000\", "
               "theirs \"3000\"\n"
            << QString() << QByteArray("4000");
    }

    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, timeout);
        const QStringList inputs{"onto.xml", "old.xml", "theirs.xml", "wide.xml"};
        QByteArrayList before;
        for (const QString& input : inputs)
            before << readFile(path(input));
        const ToolRun run = settings(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.outText(), out);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QCOMPARE(QFile::exists(path("out.xml")), !timeout.isNull());
        if (!timeout.isNull())
            QCOMPARE(readFile(path("out.xml")), savedDefault(timeout));
        for (int i = 0; i < inputs.size(); ++i)
            QCOMPARE(readFile(path(inputs.at(i))), before.at(i));
    }

    void gitMergeDriver_data()
    {
        QTest::addColumn<QByteArray>("theirs"); // replaces the Modbus port's value
        QTest::addColumn<QByteArray>("theirsTimeout");
        QTest::addColumn<bool>("clean");
        QTest::addColumn<QString>("line"); // in git's output, from the driver
        QTest::newRow("different settings merge")
            << QByteArray("value=\"503\"") << QByteArray("5000") << true
            << "ours 1, theirs 1, both 0, conflict 0";
        QTest::newRow("one setting changed differently conflicts")
            << kModbusPort << QByteArray("3000") << false
            << "conflict Связь/Ethernet / Тайм-аут соединения: base \"5000\", ours \"4000\", "
               "theirs \"3000\"";
    }

    void gitMergeDriver()
    {
        QFETCH(QByteArray, theirs);
        QFETCH(QByteArray, theirsTimeout);
        QFETCH(bool, clean);
        QFETCH(QString, line);
        QTemporaryDir repository;
        QVERIFY(repository.isValid());
        const QString file = repository.filePath(QStringLiteral("machine.xml"));
        const QString driver =
            QStringLiteral("'" LIR_TOOLS_DIR "/lir-settings' merge --git %O %A %B");
        const auto commit = [&](const QByteArray& text) {
            return writeFile(file, text) &&
                   git(repository.path(), {"commit", "-q", "-a", "-m", "change"}) == 0;
        };
        QVERIFY(writeFile(repository.filePath(QStringLiteral(".gitattributes")),
                          "*.xml merge=lir-settings\n"));
        QVERIFY(writeFile(file, savedDefault("5000")));
        for (const QStringList& step : {QStringList{"init", "-q"},
                                        {"config", "merge.lir-settings.driver", driver},
                                        {"add", "."},
                                        {"commit", "-qm", "base"},
                                        {"tag", "base"},
                                        {"checkout", "-q", "-b", "ours"}})
            QCOMPARE(git(repository.path(), step), 0);
        QVERIFY(commit(savedDefault("4000")));
        QCOMPARE(git(repository.path(), {"checkout", "-q", "-b", "theirs", "base"}), 0);
        QVERIFY(commit(savedDefault(theirsTimeout).replace(kModbusPort, theirs)));
        QCOMPARE(git(repository.path(), {"checkout", "-q", "ours"}), 0);
        QString output;
        const int merged = git(repository.path(), {"merge", "--no-edit", "theirs"}, &output);
        QVERIFY2(clean ? merged == 0 : merged > 0, qPrintable(output));
        QVERIFY2(output.contains(line), qPrintable(output));
        QCOMPARE(readFile(file), savedDefault("4000").replace(kModbusPort, theirs));
    }
};

LIR_TEST_CLASS(TestCarryMerge)
#include "tst_CarryMerge.moc"
