#include "link/ReceiveStep.h"

#include "link/LinkMessages.h"
#include "link/TransferObserver.h"

#include <QCoreApplication>
#include <QIODevice>

ReceiveStep::ReceiveStep(TransferObserver* observer) : m_Observer(observer) {}

void ReceiveStep::receive(QIODevice& port, QByteArray& buffer, qint64& received, qint64 count,
                          bool& failed, int timeoutMs)
{
    const qint64 target = received + count;
    failed = false;
    for (int passes = 1; buffer.size() < target; ++passes) {
        takeAvailable(port, buffer);
        if (buffer.size() >= target)
            break;
        if (cancelRequested()) {
            failed = true;
            return;
        }
        if (!port.waitForReadyRead(timeoutMs) && passes >= kForgivenPasses) {
            failed = true;
            LinkMessages::show(LinkMessages::linkFailure());
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    received = target;
}

void ReceiveStep::takeAvailable(QIODevice& port, QByteArray& buffer)
{
    buffer.append(port.readAll());
    if (m_Observer)
        m_Observer->replyProgress(buffer.size(), m_ExpectedTotal);
}

bool ReceiveStep::cancelRequested()
{
    if (m_Observer && m_Observer->isCancelled())
        m_Cancelled = true;
    return m_Cancelled;
}
