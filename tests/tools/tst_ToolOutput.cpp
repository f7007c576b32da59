#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/SmallDisk.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <memory>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace DocumentHelpers;

namespace {
const QString kInput = QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");
const QString kSmallInput = QStringLiteral(LIR_TEST_DATA_DIR "/roundtrip.xml");

// The system's reason for a full disk, as Qt words it in either language.
bool namesAFullDisk(const QString& err)
{
    return err.contains(QStringLiteral("No space left on device")) ||
           err.contains(QStringLiteral("Нет свободного места на устройстве"));
}

// A FIFO in `dir` with its reading end open, so that a writer never blocks.
int openFifo(const QString& path)
{
    if (mkfifo(QFile::encodeName(path).constData(), 0644) != 0)
        return -1;
    return open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
}

QByteArray drain(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, int(count));
    close(fd);
    return bytes;
}

bool isFifo(const QString& path)
{
    struct stat status = {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Runs `script` with sh in `folder`, where $L is lir-settings, $G the
// generator, $X and $Y the default documents of ЛИР-1 and ЛИР-2, $R a small
// document with the version of $Y, $B one with refused values and $P the
// emulator's port. Exit code 77 means the system cannot set the case up.
ToolRun runScript(const QString& folder, const QString& script, const QString& port)
{
    QProcess shell;
    ToolRun::prepare(shell, QStringLiteral("lir-settings"), {});
    QProcessEnvironment environment = shell.processEnvironment();
    environment.insert(QStringLiteral("L"), shell.program());
    environment.insert(QStringLiteral("G"), QStringLiteral(LIR_TOOLS_DIR "/lir-settings-gen"));
    environment.insert(QStringLiteral("X"), kInput);
    environment.insert(QStringLiteral("Y"),
                       QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml"));
    environment.insert(QStringLiteral("R"), kSmallInput);
    environment.insert(QStringLiteral("B"), QStringLiteral(LIR_TEST_DATA_DIR "/bad_values.xml"));
    environment.insert(QStringLiteral("P"), port);
    shell.setProcessEnvironment(environment);
    shell.setProgram(QStringLiteral("/bin/sh"));
    shell.setArguments({"-c", script});
    shell.setWorkingDirectory(folder);
    shell.start();
    ToolRun result;
    if (shell.waitForFinished(120000) && shell.exitStatus() == QProcess::NormalExit)
        result.exitCode = shell.exitCode();
    result.out = shell.readAllStandardOutput();
    result.err = QString::fromUtf8(shell.readAllStandardError());
    return result;
}

// File access checked as the user nobody for its lifetime: root passes by
// every permission, and a read-only folder would not be one.
class AccessAsNobody
{
public:
    AccessAsNobody() : m_Root(geteuid() == 0)
    {
        if (m_Root)
            setfsuid(65534);
    }
    ~AccessAsNobody()
    {
        if (m_Root)
            setfsuid(0);
    }

private:
    bool m_Root;
};
} // namespace

// What lir-settings and the editor leave behind when they write: nothing
// but their own messages, and a target that is either the whole new output
// or exactly as it was.
class TestToolOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanCheckPrintsNothing()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray leakOptions = qgetenv("LSAN_OPTIONS");
        qunsetenv("XDG_RUNTIME_DIR");
        // The leak checker of the test build reports its suppressions itself.
        qputenv("LSAN_OPTIONS", leakOptions + ":print_suppressions=0");
        const ToolRun run = ToolRun::run(QStringLiteral("lir-settings"), {"check", kInput});
        qputenv("LSAN_OPTIONS", leakOptions);
        if (!runtime.isNull())
            qputenv("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, QString());
    }

    void fullDiskKeepsTheOldReport_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("HTML") << "report.html";
        QTest::newRow("PDF") << "report.pdf";
    }

    void fullDiskKeepsTheOldReport()
    {
        QFETCH(QString, name);
        SmallDisk disk(8);
        MOUNT_SMALL_DISK(disk);
        QVERIFY(writeFile(disk.filePath(name), "old report"));
        const ToolRun run = ToolRun::run(QStringLiteral("lir-settings"),
                                         {"report", kInput, "-o", disk.filePath(name)});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(
            run.err.startsWith("lir-settings report: не удалось записать " + disk.filePath(name)) &&
                namesAFullDisk(run.err),
            qPrintable(run.err));
        QCOMPARE(readFile(disk.filePath(name)), QByteArray("old report"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{name});
    }

    void pipesAndStandardOutput_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("a FIFO is written into") << "fifo";
        QTest::newRow("- is standard output") << "-";
    }

    void pipesAndStandardOutput()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QByteArray html =
            ToolRun::run(QStringLiteral("lir-settings"), {"report", kSmallInput}).out;
        QVERIFY(html.startsWith("<!DOCTYPE HTML>"));
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        const int reader = target == QLatin1String("fifo") ? openFifo(fifo) : -1;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const ToolRun run =
            ToolRun::run(QStringLiteral("lir-settings"), {"report", kSmallInput, "-o", target});
        QDir::setCurrent(previous);
        QCOMPARE(run.exitCode, 0);
        if (reader >= 0) {
            QCOMPARE(drain(reader), html);
            QVERIFY(isFifo(fifo));
        } else {
            QCOMPARE(run.out, html);
            QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        }
    }

    // One row per fault of the programs' outputs. `setup` prepares the
    // folder (on a full disk of 8 KB for `full`; an emulator then serves
    // ctl.xml when there is one), `command` runs the program, `check` must
    // hold afterwards.
    void faults_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("check");
        const QString fill = QStringLiteral("; cat /dev/zero > fill 2>/dev/null; true");
        const QString root = QStringLiteral("[ $(id -u) = 0 ] || exit 77; ");
        QTest::newRow("1 write --backup on a full disk keeps the backup, writes nothing")
            << true << "printf old > out; cp $R ctl.xml" + fill
            << "$L write --port $P --backup out --verify $Y" << 2
            << "lir-settings write: не удалось записать out: Нет свободного места"
            << "[ \"$(cat out)\" = old ] && cmp -s ctl.xml $R";
        QTest::newRow("2 diff --html on a full disk keeps the old page")
            << true << "printf old > out" + fill << "$L diff --html out $X $Y" << 2
            << "lir-settings diff: не удалось записать out: Нет свободного места"
            << "[ \"$(cat out)\" = old ]";
        QTest::newRow("3 diff --html onto a device node") << false << root + "mknod out c 1 3"
                                                          << "$L diff --html out $X $X" << 0 << ""
                                                          << "[ -c out ]";
        QTest::newRow("4 report into a full standard output")
            << false << ""
            << "$L report $X > /dev/full" << 2
            << "lir-settings report: не удалось записать стандартный вывод: Нет свободного места"
            << "";
        QTest::newRow("4 diff into a full standard output")
            << false << ""
            << "$L diff $X $Y > /dev/full" << 2 << "стандартный вывод"
            << "";
        QTest::newRow("4 check into a closed pipe, SIGPIPE ignored")
            << false << "mkfifo p"
            << "exec 4<>p 5>p 4<&-; trap '' PIPE; $L check $B >&5" << 2
            << "не удалось записать стандартный вывод: Обрыв канала"
            << "";
        QTest::newRow("5 report onto its input through a hard link")
            << false << "cp $X in.xml; ln in.xml out"
            << "$L report in.xml -o out" << 2
            << "lir-settings report: out — тот же файл, что и in.xml"
            << "cmp -s out $X";
        QTest::newRow("5 diff --html A A B") << false << "cp $X a"
                                             << "$L diff --html a a $Y" << 2 << "тот же файл"
                                             << "cmp -s a $X";
        QTest::newRow("5 write --backup F F")
            << false << "cp $R f"
            << "$L write --port none --backup f f" << 2 << "тот же файл"
            << "cmp -s f $R";
        QTest::newRow("7 the emulator on a full disk refuses and keeps its document")
            << true << "cp $R ctl.xml" + fill << "$L write --port $P $R" << 1 << ""
            << "cmp -s ctl.xml $R";
        QTest::newRow("7 lir-settings-gen -o on a full disk")
            << true << "printf old > out" + fill << "$G 1000 -o out" << 1
            << "lir-settings-gen: не удалось записать out: Нет свободного места"
            << "[ \"$(cat out)\" = old ]";
        QTest::newRow("8 diff --html - is standard output")
            << false << ""
            << "$L diff --html - $X $Y > page" << 1 << ""
            << "grep -q '^<!DOCTYPE' page && [ ! -e ./- ]";
        QTest::newRow("8 report -o /dev/stdout appends where standard output appends")
            << false << "echo earlier > r"
            << "$L report $R -o /dev/stdout >> r" << 0 << ""
            << "[ \"$(head -n 1 r)\" = earlier ] && grep -q '<!DOCTYPE' r";
        QTest::newRow("20 diff's reason in the language of its line")
            << false << ""
            << "$L diff --html missing/out $X $Y" << 2
            << "lir-settings diff: не удалось записать missing/out: Файл или каталог не существует"
            << "";
        QTest::newRow("20 a huge value is shortened, its length said")
            << false
            << "sed \"s/value=.150./value='$(head -c 100000 /dev/zero | tr '\\0' 7)'/\" $B > big"
            << "$L check big > found" << 1 << ""
            << "grep -q '7… (100000 characters)' found && [ $(wc -L < found) -lt 400 ]";
    }

    void faults()
    {
        QFETCH(bool, full);
        QFETCH(QString, setup);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, check);
        QTemporaryDir dir;
        std::unique_ptr<SmallDisk> disk(full ? new SmallDisk(8) : nullptr);
        if (disk)
            MOUNT_SMALL_DISK(*disk);
        const QString folder = disk ? disk->path() : dir.path();
        const int prepared = runScript(folder, setup, QString()).exitCode;
        if (prepared == 77)
            QSKIP("the system cannot set this case up");
        QCOMPARE(prepared, 0);
        ControllerEmulator emulator;
        if (QFile::exists(folder + QStringLiteral("/ctl.xml")))
            START_EMULATOR(emulator, folder + QStringLiteral("/ctl.xml"), QStringList());
        const ToolRun run = runScript(folder, command, emulator.devicePath());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QVERIFY(!run.out.contains("verified"));
        QCOMPARE(runScript(folder, check, QString()).exitCode, 0);
    }

    void pdfIntoAReadOnlyFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("read-only"));
        const QString pdf = folder + QStringLiteral("/report.pdf");
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(writeFile(pdf, "old pdf"));
        QVERIFY(chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(pdf).constData(), 0666) == 0);
        QVERIFY(chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        LoadedEditor editor;
        editor.loadFile(kSmallInput);
        editor.dialogs.answerItem(QStringLiteral("в файл PDF"));
        editor.dialogs.answerFileName(pdf);
        {
            AccessAsNobody nobody;
            editor.window.m_ActPrint->trigger();
        }
        chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(editor.dialogs.shown().last().kind, QStringLiteral("critical"));
        QVERIFY2(
            editor.dialogs.shown().last().text.startsWith("Не удалось записать файл PDF: " + pdf),
            qPrintable(editor.dialogs.shown().last().text));
        QCOMPARE(readFile(pdf), QByteArray("old pdf"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"report.pdf"});
    }
};

LIR_TEST_CLASS(TestToolOutput)
#include "tst_ToolOutput.moc"
