#include "tools/lir-controller-sim/SimulatorLoop.h"

#include "tools/lir-controller-sim/SimulatorLine.h"
#include "tools/lir-controller-sim/StopSignals.h"

#include <QElapsedTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {
// A line that takes nothing for this long is not being read; the reply is
// dropped rather than blocking the emulator.
constexpr int kBlockedLineMs = 2000;
// After the last exchange the reply is given this long to be read before the
// line goes away.
constexpr int kLingerMs = 500;
// How often the emulator looks whether the other side has read a reply.
constexpr int kPollMs = 10;
} // namespace

SimulatorLoop::SimulatorLoop(const SimulatorLine& line, const SimulatorOptions& options)
    : m_Line(line), m_LineFd(line.fd()), m_Options(options), m_Controller(options)
{
}

int SimulatorLoop::run()
{
    while (!m_Stop && !m_Failed) {
        if (waitFor(POLLIN, -1) == Event::Line)
            serveReadableLine();
    }
    return m_Failed ? 1 : 0;
}

SimulatorLoop::Event SimulatorLoop::waitFor(short lineEvents, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_Stop) {
        const int left = timeoutMs < 0 ? -1 : qMax(0, timeoutMs - int(clock.elapsed()));
        // Without line events the line is left out: a hung-up line would end every
        // wait at once.
        pollfd fds[3] = {{lineEvents != 0 ? m_LineFd : -1, lineEvents, 0},
                         {StopSignals::fd(), POLLIN, 0},
                         {STDIN_FILENO, POLLIN, 0}};
        const int count = poll(fds, m_Options.ignoreStdin ? 2 : 3, left);
        if (count < 0 && errno != EINTR) {
            m_Failed = true;
            return Event::Stop;
        }
        if (count == 0)
            return Event::Timeout;
        if (count < 0)
            continue;
        if (fds[1].revents != 0)
            m_Stop = true;
        else if (!m_Options.ignoreStdin && fds[2].revents != 0)
            checkStdin();
        else if (fds[0].revents != 0)
            return Event::Line;
    }
    return Event::Stop;
}

void SimulatorLoop::checkStdin()
{
    char discarded[256];
    const ssize_t count = read(STDIN_FILENO, discarded, sizeof discarded);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR))
        m_Stop = true;
}

void SimulatorLoop::serveReadableLine()
{
    char bytes[65536];
    // A pseudo-terminal takes requests as fast as they are written; paced,
    // it delivers a hundredth of a second's worth at a time. A serial device
    // is paced by its own line.
    const bool pacedIntake = m_Options.baud > 0 && m_Options.devicePath.isEmpty();
    const size_t wanted = pacedIntake ? size_t(qMax(1, m_Options.baud / 100)) : sizeof bytes;
    const ssize_t count = read(m_LineFd, bytes, qMin(wanted, sizeof bytes));
    if (count <= 0) {
        if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
            log(QStringLiteral("line closed"));
            m_Failed = true;
        }
        return;
    }
    if (pacedIntake && !waitForIntake(count))
        return;
    for (const SimulatedController::Answer& each :
         m_Controller.feed(QByteArray(bytes, int(count)))) {
        answer(each);
        if (m_Stop || m_Failed)
            return;
    }
}

void SimulatorLoop::answer(const SimulatedController::Answer& answer)
{
    for (const QString& line : answer.log)
        log(line);
    if (!answer.silent && !send(answer.reply))
        log(QStringLiteral("reply %1 not sent").arg(answer.command));
    if (answer.killAfterReply) {
        // The bytes sent are on the line before it dies with the emulator,
        // so that a death at or past the end of a reply leaves it whole.
        waitUntilTaken();
        log(QStringLiteral("killed"));
        raise(SIGKILL);
    }
    ++m_Exchanges;
    if (m_Options.exitAfter > 0 && m_Exchanges >= m_Options.exitAfter) {
        sleepFor(kLingerMs);
        m_Stop = true;
    }
}

bool SimulatorLoop::send(const QByteArray& reply)
{
    const int pieceSize = m_Options.splitSize > 0 ? m_Options.splitSize : reply.size();
    for (int offset = 0; offset < reply.size(); offset += pieceSize) {
        if (offset > 0 && !sleepFor(m_Options.pauseMs))
            return false;
        if (!writePaced(reply.mid(offset, pieceSize)))
            return false;
    }
    return true;
}

bool SimulatorLoop::waitForIntake(qint64 count)
{
    // The bytes arrive one after another at ten bits a byte, counted from
    // when the line was last free, so the time spent reading and serving
    // does not slow the line down.
    if (!m_LineClock.isValid())
        m_LineClock.start();
    const qint64 now = m_LineClock.nsecsElapsed();
    m_LineFreeNs = qMax(m_LineFreeNs, now) + count * 10 * 1000000000 / m_Options.baud;
    return sleepFor(int((m_LineFreeNs - now) / 1000000));
}

bool SimulatorLoop::writePaced(const QByteArray& piece)
{
    if (m_Options.baud <= 0)
        return writeAll(piece.constData(), piece.size());
    // Ten bits a byte on the line: start, eight data bits, stop.
    const int chunk = qMax(1, m_Options.baud / 1000);
    QElapsedTimer clock;
    clock.start();
    for (int offset = 0; offset < piece.size(); offset += chunk) {
        const int size = qMin(chunk, piece.size() - offset);
        if (!writeAll(piece.constData() + offset, size))
            return false;
        const qint64 due = qint64(offset + size) * 10 * 1000 / m_Options.baud;
        if (!sleepFor(int(qMax<qint64>(0, due - clock.elapsed()))))
            return false;
    }
    return true;
}

bool SimulatorLoop::writeAll(const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = write(m_LineFd, data, size_t(size));
        if (written > 0) {
            data += written;
            size -= written;
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            m_Failed = true;
            return false;
        }
        if (waitFor(POLLOUT, kBlockedLineMs) != Event::Line)
            return false;
    }
    return true;
}

void SimulatorLoop::waitUntilTaken()
{
    // The line hands written bytes on a moment later, so none waiting does
    // not yet mean that they were read: only once they were seen waiting, or
    // after a linger.
    QElapsedTimer clock;
    clock.start();
    bool seen = false;
    while (clock.elapsed() < kBlockedLineMs) {
        const int untaken = m_Line.untakenBytes();
        seen = seen || untaken > 0;
        if (untaken == 0 && (seen || clock.elapsed() >= kLingerMs))
            return;
        if (!sleepFor(kPollMs))
            return;
    }
}

bool SimulatorLoop::sleepFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_Stop && clock.elapsed() < milliseconds) {
        // Requests arriving meanwhile stay queued in the line.
        waitFor(0, milliseconds - int(clock.elapsed()));
    }
    return !m_Stop;
}

void SimulatorLoop::log(const QString& line)
{
    const QByteArray text = (line + QLatin1Char('\n')).toLocal8Bit();
    fwrite(text.constData(), 1, size_t(text.size()), stdout);
    fflush(stdout);
}
