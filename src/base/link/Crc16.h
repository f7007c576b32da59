#pragma once

#include <QByteArray>

// CRC-16/ARC of the link frames: reflected polynomial 0x8005, initial value 0,
// no final XOR. Sent low byte first. An empty range gives 0.
quint16 crc16(const char* data, qint64 length);
quint16 crc16(const QByteArray& bytes);
