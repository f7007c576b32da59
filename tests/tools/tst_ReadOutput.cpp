#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/SmallDisk.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace DocumentHelpers;

// `lir-settings read -o`: the output is the controller's document, or as it
// was; a reply the editor would refuse is not kept anywhere.
class TestReadOutput : public QObject
{
    Q_OBJECT

private slots:
    void output_data()
    {
        QTest::addColumn<QByteArray>("controller"); // the emulator's document
        QTest::addColumn<QString>("target");        // "file", "full disk" or "-"
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QByteArray lir1 = readFile(QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"));
        QTest::newRow("a reply that is no document")
            << QByteArray("<lir1Settings formatVerMaj=\"1\"><container>") << "file" << 1
            << "Ошибка Открытия файла: unexpected end of file line=1 col=";
        QTest::newRow("a reply that is not UTF-8")
            << QByteArray("<lir1Settings formatVerMaj=\"1\" x=\"\xC3\"/>") << "file" << 1
            << "Ошибка Открытия файла: Недопустимая последовательность байтов в кодировке UTF-8 "
               "line=1 col=35";
        QTest::newRow("a full disk")
            << lir1 << "full disk" << 2 << "Нет свободного места на устройстве";
        QTest::newRow("- is standard output") << lir1 << "-" << 0 << "";
    }

    void output()
    {
        QFETCH(QByteArray, controller);
        QFETCH(QString, target);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QTemporaryDir dir;
        std::unique_ptr<SmallDisk> disk;
        if (target == QLatin1String("full disk")) {
            disk.reset(new SmallDisk(8));
            MOUNT_SMALL_DISK(*disk);
        }
        const QString folder = disk ? disk->path() : dir.path();
        const QString output =
            target == QLatin1String("-") ? target : folder + QStringLiteral("/out.xml");
        if (target != QLatin1String("-"))
            QVERIFY(writeFile(output, "old"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("controller.xml")), controller));
        ControllerEmulator emulator;
        START_EMULATOR(emulator, dir.filePath(QStringLiteral("controller.xml")),
                       QStringList({"--controller-version", "1"}));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        const ToolRun run = ToolRun::run(QStringLiteral("lir-settings"),
                                         {"read", "--port", emulator.devicePath(), "-o", output});
        QDir::setCurrent(previous);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        if (target == QLatin1String("-")) {
            QCOMPARE(run.out, controller);
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"controller.xml"});
        } else {
            QCOMPARE(readFile(output), QByteArray("old"));
            QVERIFY(run.out.isEmpty());
        }
    }
};

LIR_TEST_CLASS(TestReadOutput)
#include "tst_ReadOutput.moc"
