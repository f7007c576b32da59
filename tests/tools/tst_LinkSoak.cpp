#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentHelpers;

namespace {
// One cycle's emulator: the options and whether the command must succeed.
struct Draw
{
    QStringList options;
    bool fault;
    QString name;
};

Draw drawFault(QRandomGenerator& random, int command)
{
    const QString some = QString::number(random.bounded(1, 40));
    // Within the shortest reply (a write's 14 bytes): a cut or a death must
    // damage the reply, since a faulty command stores nothing.
    const QString within = QString::number(random.bounded(14));
    // Faults on the version exchange, on the command's own exchange or on both.
    const int faultOn = random.bounded(3);
    QStringList where;
    if (faultOn > 0)
        where = QStringList{"--fault-on", QString::number(faultOn == 1 ? 1 : command)};
    const int kind = random.bounded(11);
    // Bytes after a write's reply may come after the reply was taken as whole
    // and go unseen, so that reply gets none.
    if (kind == 4 && command == 3)
        where = QStringList{"--fault-on", "1"};
    switch (kind) {
    case 0:
        return {where + QStringList{"--bad-crc"}, true, "bad checksum"};
    case 1:
        return {where + QStringList{"--wrong-start"}, true, "wrong start"};
    case 2:
        return {where + QStringList{"--wrong-command", "7"}, true, "wrong command"};
    case 3:
        return {where + QStringList{"--status", some}, true, "status " + some};
    case 4:
        return {where + QStringList{"--trailing", some}, true, "trailing bytes"};
    case 5:
        return {where + QStringList{"--cut", within}, true, "cut-off reply"};
    case 6:
        return {where + QStringList{"--kill-after", within}, true, "killed emulator"};
    case 7:
        return {{"--split", some, "--pause", "100"}, false, "split and paced reply"};
    case 8:
        return {{"--baud", "19200"}, false, "reply at 19200 baud"};
    default:
        return {{}, false, "no fault"};
    }
}

// One attribute per element: the editor's text of it does not depend on the
// hash order of attributes.
QByteArray document(int cycle)
{
    return "<lir1Settings formatVerMaj=\"1\"><container name=\"c" + QByteArray::number(cycle) +
           "\"/></lir1Settings>";
}

QByteArray editorText(const QByteArray& text)
{
    QDomDocument parsed;
    parsed.setContent(text);
    return parsed.toString(4).toUtf8();
}
} // namespace

// Reads and writes through lir-settings against the emulator with faults
// drawn at random: a failed command changes neither the controller's
// document nor the output file. LIR_SOAK_CYCLES and LIR_SOAK_SEED choose the
// length and the draw (soak.sh runs the long form).
class TestLinkSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomFaults()
    {
        const int cycles = qEnvironmentVariableIsSet("LIR_SOAK_CYCLES")
                               ? qEnvironmentVariableIntValue("LIR_SOAK_CYCLES")
                               : 40;
        const quint32 seed = qEnvironmentVariableIsSet("LIR_SOAK_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("LIR_SOAK_SEED"))
                                 : 20261207u;
        qInfo("link soak: %d cycles, seed %u (LIR_SOAK_SEED)", cycles, seed);
        QRandomGenerator random(seed);
        QTemporaryDir dir;
        const QString controller = dir.filePath(QStringLiteral("controller.xml"));
        const QString output = dir.filePath(QStringLiteral("out.xml"));
        const QString source = dir.filePath(QStringLiteral("source.xml"));
        QVERIFY(writeFile(controller, editorText(document(-1))));
        QVERIFY(writeFile(output, "untouched"));
        QByteArray lastWritten = readFile(controller);
        for (int cycle = 0; cycle < cycles; ++cycle) {
            const bool write = random.bounded(2) == 1;
            const Draw draw = drawFault(random, write ? 3 : 2);
            const QString what =
                QStringLiteral("cycle %1: %2 with %3 (%4)")
                    .arg(cycle)
                    .arg(write ? "write" : "read", draw.name, draw.options.join(QLatin1Char(' ')));
            qInfo("%s", qPrintable(what));
            ControllerEmulator emulator;
            START_EMULATOR(emulator, controller, draw.options);
            if (write) {
                QVERIFY(writeFile(source, document(cycle)));
                const ToolRun run =
                    ToolRun::run(QStringLiteral("lir-settings"),
                                 {"write", "--port", emulator.devicePath(), source});
                QVERIFY2(run.exitCode == (draw.fault ? 1 : 0), qPrintable(what + "\n" + run.err));
                if (run.exitCode == 0)
                    lastWritten = editorText(document(cycle));
                QVERIFY2(readFile(controller) == lastWritten, qPrintable(what));
            } else {
                const QByteArray before = readFile(output);
                const ToolRun run =
                    ToolRun::run(QStringLiteral("lir-settings"),
                                 {"read", "--port", emulator.devicePath(), "-o", output});
                QVERIFY2(run.exitCode == (draw.fault ? 1 : 0), qPrintable(what + "\n" + run.err));
                QVERIFY2(readFile(output) == (run.exitCode == 0 ? readFile(controller) : before),
                         qPrintable(what));
            }
        }
        QCOMPARE(readFile(controller), lastWritten);
    }
};

LIR_TEST_CLASS(TestLinkSoak)
#include "tst_LinkSoak.moc"
