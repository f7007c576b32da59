#include "common/ControllerEmulator.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "link/ControllerPort.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
QStringList shownPorts()
{
    QStringList names;
    for (const ControllerPort& port : ControllerPort::available())
        names << port.displayName();
    return names;
}
} // namespace

class TestExtraPorts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("LIR_EXTRA_PORTS"); }

    void listedAfterTheSystemsPorts_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("two devices")
            << "/dev/null:/dev/zero" << QStringList{" /dev/null", " /dev/zero"};
        QTest::newRow("empty entries and a repetition")
            << "::/dev/zero::/dev/zero:" << QStringList{" /dev/zero"};
        QTest::newRow("a system port is not repeated")
            << "SYSTEM:/dev/zero" << QStringList{" /dev/zero"};
        QTest::newRow("only character devices")
            << "/no/such/tty:PROGRAM:/tmp:/dev/zero" << QStringList{" /dev/zero"};
    }

    void listedAfterTheSystemsPorts()
    {
        QFETCH(QString, variable);
        QFETCH(QStringList, extra);
        const QStringList system = shownPorts();
        const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
        variable.replace(QStringLiteral("SYSTEM"),
                         systemPorts.isEmpty() ? QString() : systemPorts.first().systemLocation());
        variable.replace(QStringLiteral("PROGRAM"), QCoreApplication::applicationFilePath());
        qputenv("LIR_EXTRA_PORTS", variable.toLocal8Bit());
        QCOMPARE(shownPorts(), system + extra);
    }

    // The editor's own read, with a port it finds only through the variable:
    // the emulator's link to its pseudo-terminal.
    void editorReadsThroughANamedPort()
    {
        QTemporaryDir dir;
        const QString document = dir.filePath(QStringLiteral("controller.xml"));
        const QString link = dir.filePath(QStringLiteral("lir-sim"));
        QVERIFY(QFile::copy(QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml"), document));
        {
            ControllerEmulator emulator;
            START_EMULATOR(emulator, document, (QStringList{"--link", link}));
            QCOMPARE(QFileInfo(link).symLinkTarget(), emulator.devicePath());
            qputenv("LIR_EXTRA_PORTS", link.toLocal8Bit());
            LoadedEditor editor;
            editor.dialogs.answerItem(QLatin1Char(' ') + link);
            editor.window.slotLoadFromLir();
            QCOMPARE(editor.dialogs.shown().size(), 1);
            QCOMPARE(editor.dialogs.shown().first().items.last(), QLatin1Char(' ') + link);
            QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
            QCOMPARE(int(editor.window.m_FormatVerMaj), 2);
            QVERIFY(editor.window.m_Tree->topLevelItemCount() > 0);
        }
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

LIR_TEST_CLASS(TestExtraPorts)
#include "tst_ExtraPorts.moc"
