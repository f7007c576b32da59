#pragma once

#include "document/DocumentParser.h"

#include <QByteArray>

// Command codes of the controller link.
enum LinkCommand : quint8
{
    cmdGetVersion = 1,
    cmdReadSettings = 2,
    cmdWriteSettings = 3
};

// Layout of the request frames (editor to controller) and reply frames
// (controller to editor). Numbers on the wire are little-endian.
class LinkFrame
{
public:
    static constexpr int kRequestHeaderSize = 8;
    static constexpr int kReplyHeaderSize = 12;
    static constexpr int kChecksumSize = 2;
    static constexpr int kStatusOffset = 4;
    static constexpr int kRequestLengthOffset = 4;
    static constexpr int kReplyLengthOffset = 8;
    // The largest document the editor loads and the zero byte that ends it
    // on the wire. A reply announcing more is refused at once instead of
    // being awaited and buffered.
    static constexpr quint32 kMaxPayloadLength = quint32(DocumentParser::kMaxDocumentBytes) + 1;

    static constexpr char kRequestStart1 = 0x2D; // '-'
    static constexpr char kRequestStart2 = 0x3E; // '>'
    static constexpr char kReplyStart1 = 0x3C;   // '<'
    static constexpr char kReplyStart2 = 0x2D;   // '-'

    // Header, payload and checksum of a request, ready for one write.
    static QByteArray request(quint8 command, const QByteArray& payload = QByteArray());
    // A reply as a controller sends it; used by the emulator and the tests.
    static QByteArray reply(quint8 command, quint8 status, const QByteArray& payload);

    static quint32 readUInt32(const QByteArray& bytes, int offset);
    static quint16 readUInt16(const QByteArray& bytes, int offset);
    static void appendUInt32(QByteArray& bytes, quint32 value);
    static void appendUInt16(QByteArray& bytes, quint16 value);
    // Appends the checksum of everything already in `frame`.
    static void appendChecksum(QByteArray& frame);
};
