#pragma once

#include <QByteArray>

class QIODevice;
class TransferObserver;

// Receives reply bytes from the port in passes. Each pass takes what the port
// has, then waits up to the given time for more. The first nine waits
// without data are forgiven; from the tenth pass on, a wait without a byte
// ends the transfer with the link message. Pending events are processed
// between passes, so a progress dialog stays alive and can cancel.
class ReceiveStep
{
public:
    static constexpr int kWaitMs = 500;
    static constexpr int kForgivenPasses = 10;

    explicit ReceiveStep(TransferObserver* observer = nullptr);

    // The size of the whole reply for the progress, once known (-1: unknown).
    void setExpectedTotal(qint64 total) { m_ExpectedTotal = total; }

    // Appends bytes to `buffer` until it holds `received` + `count` bytes;
    // then `received` grows by `count` and `failed` is false. On giving up
    // `failed` is true and the link message has been shown; on a cancel by
    // the user `failed` is true and nothing is shown.
    void receive(QIODevice& port, QByteArray& buffer, qint64& received, qint64 count, bool& failed,
                 int timeoutMs);

    bool wasCancelled() const { return m_Cancelled; }

private:
    void takeAvailable(QIODevice& port, QByteArray& buffer);
    bool cancelRequested();

    TransferObserver* m_Observer;
    qint64 m_ExpectedTotal = -1;
    bool m_Cancelled = false;
};
