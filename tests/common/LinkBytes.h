#pragma once

#include <QByteArray>

// Bytes of the link written as hexadecimal pairs, spaces allowed.
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A controller's whole reply to the version request: version 1.
constexpr const char* kVersion1Reply = "3C 2D 01 00 00 00 00 00 02 00 00 00 01 00 AD A0";
