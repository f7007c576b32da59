#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/SmallDisk.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
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
           err.contains(QCoreApplication::translate("QIODevice", "No space left on device"));
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
        QVERIFY2(run.err.startsWith("lir-settings report: cannot write " + disk.filePath(name)) &&
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
