#pragma once

#include "tools/lir-controller-sim/SimulatedController.h"

#include <QElapsedTimer>

class SimulatorLine;
class SimulatorOptions;

// Serves requests on the line until a stop signal, the end of standard input
// or the requested number of exchanges. Replies are sent in pieces and paced
// as the options ask.
class SimulatorLoop
{
public:
    SimulatorLoop(const SimulatorLine& line, const SimulatorOptions& options);

    // 0 after a stop, 1 after an I/O error on the line.
    int run();

private:
    enum class Event
    {
        Line,
        Timeout,
        Stop
    };

    Event waitFor(short lineEvents, int timeoutMs);
    void serveReadableLine();
    void answer(const SimulatedController::Answer& answer);
    bool send(const QByteArray& reply);
    // Holds the reading of a paced line until `count` bytes could have
    // crossed it.
    bool waitForIntake(qint64 count);
    bool writePaced(const QByteArray& piece);
    bool writeAll(const char* data, qint64 size);
    bool sleepFor(int milliseconds);
    // Waits, within the time a blocked line is given, until the other side
    // has read what was sent.
    void waitUntilTaken();
    void checkStdin();
    static void log(const QString& line);

    const SimulatorLine& m_Line;
    int m_LineFd;
    const SimulatorOptions& m_Options;
    SimulatedController m_Controller;
    QElapsedTimer m_LineClock;
    qint64 m_LineFreeNs = 0; // when the paced line has delivered what was read
    int m_Exchanges = 0;
    bool m_Stop = false;
    bool m_Failed = false;
};
