#include "link/ReplyCheck.h"

#include "link/Crc16.h"
#include "link/LinkFrame.h"

ReplyCheck::Fault ReplyCheck::checkHeader(const QByteArray& reply, quint8 command)
{
    if (reply.size() < LinkFrame::kReplyHeaderSize || reply.at(0) != LinkFrame::kReplyStart1 ||
        reply.at(1) != LinkFrame::kReplyStart2 || quint8(reply.at(2)) != command ||
        reply.at(3) != '\0')
        return Fault::Header;
    if (reply.at(LinkFrame::kStatusOffset) != '\0')
        return Fault::Status;
    const quint32 length = LinkFrame::readUInt32(reply, LinkFrame::kReplyLengthOffset);
    // A write is answered by the header and the checksum alone; a reply that
    // announces anything else is not the controller's confirmation.
    if (command == cmdWriteSettings)
        return length == 0 ? Fault::None : Fault::UnexpectedPayload;
    if (length > LinkFrame::kMaxPayloadLength)
        return Fault::LengthTooLarge;
    if (command == cmdGetVersion && length < 2)
        return Fault::PayloadTooShort;
    return Fault::None;
}

ReplyCheck::Fault ReplyCheck::checkChecksum(const QByteArray& reply)
{
    const int covered = reply.size() - LinkFrame::kChecksumSize;
    if (covered < 0)
        return Fault::Checksum;
    const quint16 expected = LinkFrame::readUInt16(reply, covered);
    return crc16(reply.constData(), covered) == expected ? Fault::None : Fault::Checksum;
}

QString ReplyCheck::message(Fault fault, const QByteArray& reply)
{
    switch (fault) {
    case Fault::None:
        return QString();
    case Fault::Header:
    case Fault::LengthTooLarge:
    case Fault::PayloadTooShort:
    case Fault::UnexpectedPayload:
        return QStringLiteral("Ошибка получения неправильный заголовок ответа");
    case Fault::Status:
        return QStringLiteral("Ошибка полученная от устройства: ") +
               QString::number(qint8(reply.at(LinkFrame::kStatusOffset)));
    case Fault::Checksum:
        return QStringLiteral("Ошибка целостности данных(crc).");
    }
    return QString();
}
