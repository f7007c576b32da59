#include "common/DocumentHelpers.h"
#include "common/SmallDisk.h"
#include "common/TestRegistry.h"

#include "document/OutputFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace DocumentHelpers;

namespace {
const QByteArray kOld = "old text";
const QByteArray kNew = QByteArray(16384, 'n');

mode_t typeOf(const QString& path)
{
    struct stat status = {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// Standard output sent, for its lifetime, into `path` opened for appending.
class StandardOutputInto
{
public:
    explicit StandardOutputInto(const QString& path) : m_Saved(dup(STDOUT_FILENO))
    {
        const int file = open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND);
        dup2(file, STDOUT_FILENO);
        close(file);
    }
    ~StandardOutputInto()
    {
        dup2(m_Saved, STDOUT_FILENO);
        close(m_Saved);
    }

private:
    int m_Saved;
};
} // namespace

// Every target a program may be given: the new text whole, or the old one
// kept with no trace left, and the target stays what it was.
class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void targets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("reason");
        const QString full = QCoreApplication::translate("QIODevice", "No space left on device");
        QTest::newRow("a full disk keeps the old file") << "full disk" << false << full;
        QTest::newRow("/dev/full") << "/dev/full" << false << full;
        QTest::newRow("a FIFO is written into") << "fifo" << true << "";
        QTest::newRow("a device node is written into") << "device" << true << "";
        QTest::newRow("a symbolic link is written through") << "symlink" << true << "";
        QTest::newRow("a file with two names is refused")
            << "hard link" << false << "жёстких ссылок: 2";
        QTest::newRow("another's file keeps owner, group, mode 05444, attributes")
            << "owned" << true << "";
        QTest::newRow("- is standard output") << "-" << true << "";
        QTest::newRow("/dev/stdout appends where standard output appends")
            << "/dev/stdout" << true << "";
    }

    void targets()
    {
        QFETCH(QString, target);
        QFETCH(bool, written);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        std::unique_ptr<SmallDisk> disk;
        if (target == QLatin1String("full disk")) {
            disk.reset(new SmallDisk(8));
            MOUNT_SMALL_DISK(*disk);
        }
        const QString folder = disk ? disk->path() : dir.path();
        const QString file = folder + QStringLiteral("/file");
        const QByteArray name = QFile::encodeName(file);
        QVERIFY(writeFile(file, kOld));
        QString output = target.startsWith('/') || target == QLatin1String("-") ? target : file;
        int reader = -1;
        if (target == QLatin1String("fifo")) {
            QVERIFY(QFile::remove(file) && mkfifo(name.constData(), 0644) == 0);
            reader = open(name.constData(), O_RDONLY | O_NONBLOCK);
        } else if (target == QLatin1String("device")) {
            if (geteuid() != 0)
                QSKIP("only root makes device nodes");
            QVERIFY(QFile::remove(file) &&
                    mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0);
        } else if (target == QLatin1String("symlink")) {
            output = dir.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(file, output));
        } else if (target == QLatin1String("hard link")) {
            QVERIFY(link(name.constData(), QFile::encodeName(dir.filePath("other")).constData()) ==
                    0);
        } else if (target == QLatin1String("owned")) {
            if (geteuid() != 0)
                QSKIP("only root gives a file away");
            QVERIFY(chown(name.constData(), 65534, 65534) == 0 &&
                    chmod(name.constData(), 05444) == 0);
            QVERIFY(setxattr(name.constData(), "user.lir", "kept", 4, 0) == 0);
        }
        const QString watched =
            target == QLatin1String("symlink") || target == QLatin1String("/dev/full") ? output
                                                                                       : file;
        const mode_t type = typeOf(watched);
        QString failure;
        bool result = false;
        {
            std::unique_ptr<StandardOutputInto> redirected(
                target == QLatin1String("-") || target == QLatin1String("/dev/stdout")
                    ? new StandardOutputInto(file)
                    : nullptr);
            result = OutputFile::write(output, kNew, failure);
        }
        QCOMPARE(result, written);
        QVERIFY2(failure.contains(reason) && (written == failure.isEmpty()), qPrintable(failure));
        if (reader >= 0) {
            QByteArray drained(kNew.size() + 1, '\0');
            QCOMPARE(read(reader, drained.data(), size_t(drained.size())), ssize_t(kNew.size()));
            close(reader);
        } else if (target != QLatin1String("device") && target != QLatin1String("/dev/full")) {
            const bool stream =
                target == QLatin1String("-") || target == QLatin1String("/dev/stdout");
            QCOMPARE(readFile(file), stream ? kOld + kNew : written ? kNew : kOld);
        }
        QCOMPARE(typeOf(watched), type);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 target == QLatin1String("hard link") ? QStringList({"file", "other"})
                 : target == QLatin1String("symlink") ? QStringList({"file", "link"})
                                                      : QStringList{"file"});
        if (target == QLatin1String("owned")) {
            struct stat status = {};
            char attribute[8] = {};
            QVERIFY(stat(name.constData(), &status) == 0);
            QCOMPARE(status.st_uid, uid_t(65534));
            QCOMPARE(status.st_gid, gid_t(65534));
            QCOMPARE(status.st_mode & 07777, mode_t(05444));
            QCOMPARE(getxattr(name.constData(), "user.lir", attribute, sizeof attribute),
                     ssize_t(4));
        }
    }

    void sameFile_data()
    {
        QTest::addColumn<QString>("output"); // beside the input "file"
        QTest::addColumn<bool>("same");
        QTest::newRow("the same name") << "file" << true;
        QTest::newRow("a hard link") << "hard" << true;
        QTest::newRow("a symbolic link") << "soft" << true;
        QTest::newRow("another file") << "other" << false;
        QTest::newRow("a new file") << "new" << false;
    }

    void sameFile()
    {
        QFETCH(QString, output);
        QFETCH(bool, same);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(file, kOld) && writeFile(dir.filePath("other"), kOld));
        QVERIFY(QFile::link(file, dir.filePath("soft")));
        QVERIFY(link(QFile::encodeName(file).constData(),
                     QFile::encodeName(dir.filePath("hard")).constData()) == 0);
        QCOMPARE(OutputFile::isSameFile(file, dir.filePath(output)), same);
    }
};

LIR_TEST_CLASS(TestOutputFile)
#include "tst_OutputFile.moc"
