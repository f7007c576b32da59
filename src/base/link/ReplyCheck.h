#pragma once

#include <QByteArray>
#include <QString>

// The checks every reply of the controller goes through, and the message for
// each failure.
class ReplyCheck
{
public:
    enum class Fault
    {
        None,
        Header,            // start bytes, command echo or zero byte wrong
        Status,            // the controller reports an error code
        LengthTooLarge,    // the length field exceeds LinkFrame::kMaxPayloadLength
        PayloadTooShort,   // a version reply without its two version bytes
        UnexpectedPayload, // a write reply whose length field is not 0
        Checksum
    };

    // The 12-byte header of a reply to `command`, every field the editor
    // relies on: start bytes, command echo, zero byte, status and length.
    static Fault checkHeader(const QByteArray& reply, quint8 command);
    // The last two bytes of the buffer against the checksum of the bytes
    // before them.
    static Fault checkChecksum(const QByteArray& reply);

    // The text shown for `fault`; the status fault reads its code from `reply`.
    static QString message(Fault fault, const QByteArray& reply);
};
