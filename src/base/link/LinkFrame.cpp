#include "link/LinkFrame.h"

#include "link/Crc16.h"

QByteArray LinkFrame::request(quint8 command, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(kRequestHeaderSize + payload.size() + kChecksumSize);
    frame.append(kRequestStart1);
    frame.append(kRequestStart2);
    frame.append(char(command));
    frame.append('\0');
    appendUInt32(frame, quint32(payload.size()));
    frame.append(payload);
    appendChecksum(frame);
    return frame;
}

QByteArray LinkFrame::reply(quint8 command, quint8 status, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(kReplyHeaderSize + payload.size() + kChecksumSize);
    frame.append(kReplyStart1);
    frame.append(kReplyStart2);
    frame.append(char(command));
    frame.append('\0');
    frame.append(char(status));
    frame.append(3, '\0');
    appendUInt32(frame, quint32(payload.size()));
    frame.append(payload);
    appendChecksum(frame);
    return frame;
}

quint32 LinkFrame::readUInt32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

quint16 LinkFrame::readUInt16(const QByteArray& bytes, int offset)
{
    return quint16(quint8(bytes.at(offset)) | (quint8(bytes.at(offset + 1)) << 8));
}

void LinkFrame::appendUInt32(QByteArray& bytes, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

void LinkFrame::appendUInt16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void LinkFrame::appendChecksum(QByteArray& frame)
{
    appendUInt16(frame, crc16(frame));
}
