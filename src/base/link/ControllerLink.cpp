#include "link/ControllerLink.h"

#include "link/LinkFrame.h"
#include "link/LinkMessages.h"
#include "link/ReceiveStep.h"
#include "link/ReplyCheck.h"
#include "link/TransferObserver.h"

#include <QCoreApplication>
#include <QSerialPort>

ControllerLink::ControllerLink(QIODevice& port, TransferObserver* observer)
    : m_Port(port), m_Observer(observer)
{
}

bool ControllerLink::exchange(quint8 command, const QByteArray& payload, QByteArray& reply)
{
    reply.clear();
    clearPort();
    if (!sendRequest(LinkFrame::request(command, payload)))
        return false;
    qint64 received = 0;
    if (!receive(reply, received, LinkFrame::kReplyHeaderSize, -1) || !checkHeader(reply, command))
        return false;
    // The header check has bounded the length, and a write reply announces none.
    const qint64 length = LinkFrame::readUInt32(reply, LinkFrame::kReplyLengthOffset);
    const qint64 total = LinkFrame::kReplyHeaderSize + length + LinkFrame::kChecksumSize;
    if (!receive(reply, received, length, total))
        return false;
    if (!receive(reply, received, LinkFrame::kChecksumSize, total))
        return false;
    // Bytes that came after the checksum stay in the buffer and the last two
    // bytes are checked against everything before them. Any byte other than
    // zero fails the check. Trailing zero bytes pass it, a property of
    // CRC-16/ARC (the register of a frame followed by its own checksum is 0,
    // and zeros keep it there); the payload is taken by its length, so they
    // are never read as part of it.
    const ReplyCheck::Fault fault = ReplyCheck::checkChecksum(reply);
    if (fault != ReplyCheck::Fault::None) {
        LinkMessages::show(ReplyCheck::message(fault, reply));
        return false;
    }
    return true;
}

QByteArray ControllerLink::payloadOf(const QByteArray& reply)
{
    const int length = int(LinkFrame::readUInt32(reply, LinkFrame::kReplyLengthOffset));
    return reply.mid(LinkFrame::kReplyHeaderSize, length);
}

quint16 ControllerLink::versionOf(const QByteArray& reply)
{
    return LinkFrame::readUInt16(reply, LinkFrame::kReplyHeaderSize);
}

void ControllerLink::clearPort()
{
    // Whatever arrived outside an exchange is not part of its reply.
    if (auto* serialPort = qobject_cast<QSerialPort*>(&m_Port))
        serialPort->clear(QSerialPort::AllDirections);
    else
        m_Port.readAll();
}

bool ControllerLink::sendRequest(const QByteArray& frame)
{
    // The silence rule of the reply counts from the moment the whole request
    // has left; a long document at a slow baud rate takes longer to send than
    // the reply would be waited for.
    const qint64 total = frame.size();
    if (m_Port.write(frame) != total) {
        LinkMessages::show(LinkMessages::linkFailure());
        return false;
    }
    int idleWaits = 0;
    qint64 pending = m_Port.bytesToWrite();
    while (pending > 0) {
        if (m_Observer)
            m_Observer->requestProgress(total - pending, total);
        if (cancelRequested())
            return false;
        m_Port.waitForBytesWritten(ReceiveStep::kWaitMs);
        const qint64 nowPending = m_Port.bytesToWrite();
        idleWaits = nowPending < pending ? 0 : idleWaits + 1;
        if (idleWaits >= ReceiveStep::kForgivenPasses) {
            LinkMessages::show(LinkMessages::linkFailure());
            return false;
        }
        pending = nowPending;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (m_Observer)
        m_Observer->requestProgress(total, total);
    return !cancelRequested();
}

bool ControllerLink::receive(QByteArray& buffer, qint64& received, qint64 count,
                             qint64 expectedTotal)
{
    ReceiveStep step(m_Observer);
    step.setExpectedTotal(expectedTotal);
    bool failed = false;
    step.receive(m_Port, buffer, received, count, failed, ReceiveStep::kWaitMs);
    m_Cancelled = m_Cancelled || step.wasCancelled();
    return !failed;
}

bool ControllerLink::checkHeader(const QByteArray& reply, quint8 command)
{
    const ReplyCheck::Fault fault = ReplyCheck::checkHeader(reply, command);
    if (fault == ReplyCheck::Fault::None)
        return true;
    LinkMessages::show(ReplyCheck::message(fault, reply));
    return false;
}

bool ControllerLink::cancelRequested()
{
    if (m_Observer && m_Observer->isCancelled())
        m_Cancelled = true;
    return m_Cancelled;
}
