#pragma once

#include <QByteArray>

class QIODevice;
class TransferObserver;

// Runs exchanges with a controller over an open port: one request, its reply,
// the checks of the reply. Every failure has shown its message when an
// exchange returns false, except a cancel by the user, which shows none.
class ControllerLink
{
public:
    explicit ControllerLink(QIODevice& port, TransferObserver* observer = nullptr);

    // On success `reply` holds the whole reply frame.
    bool exchange(quint8 command, const QByteArray& payload, QByteArray& reply);
    bool wasCancelled() const { return m_Cancelled; }

    // The payload of a checked reply to command 1 or 2.
    static QByteArray payloadOf(const QByteArray& reply);
    // The controller's settings version from a checked reply to command 1.
    static quint16 versionOf(const QByteArray& reply);

private:
    void clearPort();
    bool sendRequest(const QByteArray& frame);
    bool receive(QByteArray& buffer, qint64& received, qint64 count, qint64 expectedTotal);
    bool checkHeader(const QByteArray& reply, quint8 command);
    bool cancelRequested();

    QIODevice& m_Port;
    TransferObserver* m_Observer;
    bool m_Cancelled = false;
};
