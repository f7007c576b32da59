#include "common/ControllerEmulator.h"

#include "common/ToolRun.h"

#include <QRegularExpression>

namespace {
// The emulator's exit code when no pseudo-terminal can be had.
constexpr int kNoPseudoTerminal = 3;
constexpr int kStartMs = 10000;
} // namespace

ControllerEmulator::~ControllerEmulator()
{
    if (m_Process.state() == QProcess::NotRunning)
        return;
    m_Process.terminate();
    if (!m_Process.waitForFinished(5000)) {
        m_Process.kill();
        m_Process.waitForFinished(5000);
    }
}

ControllerEmulator::Start ControllerEmulator::start(const QString& documentPath,
                                                    const QStringList& options)
{
    ToolRun::prepare(m_Process, QStringLiteral("lir-controller-sim"),
                     options + QStringList{documentPath});
    m_Process.setProcessChannelMode(QProcess::SeparateChannels);
    m_Process.start();
    if (!m_Process.waitForStarted(kStartMs)) {
        m_Failure = QStringLiteral("lir-controller-sim did not start: ") + m_Process.errorString();
        return Start::Failed;
    }
    while (!m_Process.canReadLine() && m_Process.waitForReadyRead(kStartMs)) {
    }
    if (!m_Process.canReadLine()) {
        m_Process.waitForFinished(kStartMs);
        m_Failure = QStringLiteral("lir-controller-sim gave no device: ") +
                    QString::fromLocal8Bit(m_Process.readAllStandardError());
        const bool noPty = m_Process.exitStatus() == QProcess::NormalExit &&
                           m_Process.exitCode() == kNoPseudoTerminal;
        return noPty ? Start::NoPseudoTerminal : Start::Failed;
    }
    m_DevicePath = QString::fromLocal8Bit(m_Process.readLine()).trimmed();
    return Start::Running;
}

QString ControllerEmulator::entryText() const
{
    // A pseudo-terminal has no description: one space, then its name.
    return QLatin1Char(' ') + m_DevicePath.mid(QStringLiteral("/dev/").size());
}

QList<int> ControllerEmulator::requests()
{
    QList<int> commands;
    const QRegularExpression request(QStringLiteral("^request (\\d+) "));
    for (const QString& line : log()) {
        const QRegularExpressionMatch match = request.match(line);
        if (match.hasMatch())
            commands.append(match.captured(1).toInt());
    }
    return commands;
}

QStringList ControllerEmulator::log()
{
    // The emulator logs a request before it answers; whatever it has logged
    // is in the pipe by the time the editor holds the reply.
    while (m_Process.waitForReadyRead(100)) {
    }
    while (m_Process.canReadLine())
        m_Log.append(QString::fromLocal8Bit(m_Process.readLine()).trimmed());
    return m_Log;
}

void ControllerEmulator::kill()
{
    m_Process.kill();
    m_Process.waitForFinished(kStartMs);
}
