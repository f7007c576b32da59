#include "document/Utf8Check.h"

#include <QTextCodec>

namespace {
constexpr int kUtf8Mib = 106;

bool isContinuation(char byte)
{
    return (quint8(byte) & 0xC0) == 0x80;
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
} // namespace

Utf8Check::Result Utf8Check::findInvalid(const QByteArray& text)
{
    Result result;
    if (!readAsUtf8(text))
        return result;
    const int start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const int bad = firstInvalid(text, start);
    if (bad < 0)
        return result;
    // Counted only for a fault: most texts are valid, and long.
    result.invalid = true;
    result.line = 1;
    for (int pos = start; pos < bad; pos += sequenceLength(text, pos)) {
        if (text.at(pos) == '\n') {
            ++result.line;
            result.column = 0;
        } else {
            ++result.column;
        }
    }
    ++result.column;
    return result;
}

int Utf8Check::firstInvalid(const QByteArray& text, int start)
{
    const char* bytes = text.constData();
    const int size = text.size();
    int pos = start;
    while (pos < size) {
        if (quint8(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const int length = sequenceLength(text, pos);
        if (length == 0)
            return pos;
        pos += length;
    }
    return -1;
}

bool Utf8Check::keepsAscii(const QByteArray& text)
{
    const QByteArray start = text.left(4);
    return !start.startsWith("\xFE\xFF") && !start.startsWith("\xFF\xFE") && !start.contains('\0');
}

bool Utf8Check::readAsUtf8(const QByteArray& text)
{
    if (!keepsAscii(text))
        return false;
    const QByteArray encoding = declaredEncoding(text);
    if (encoding.isEmpty())
        return true;
    const QTextCodec* codec = QTextCodec::codecForName(encoding);
    return !codec || codec->mibEnum() == kUtf8Mib;
}

int Utf8Check::sequenceLength(const QByteArray& text, int pos)
{
    const quint8 lead = quint8(text.at(pos));
    if (lead < 0x80)
        return 1;
    int length = 0;
    // The admitted range of the second byte narrows for the leads whose
    // short forms are overlong, surrogates or beyond U+10FFFF.
    quint8 low = 0x80;
    quint8 high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    const quint8 second = quint8(text.at(pos + 1));
    if (second < low || second > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(text.at(pos + i)))
            return 0;
    }
    return length;
}

QByteArray Utf8Check::declaredEncoding(const QByteArray& text)
{
    const int start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (text.mid(start, 5) != "<?xml" || text.size() <= start + 5 ||
        !isXmlSpace(text.at(start + 5)))
        return QByteArray();
    const int end = text.indexOf("?>", start);
    if (end < 0)
        return QByteArray();
    const QByteArray declaration = text.mid(start, end - start);
    int pos = declaration.indexOf("encoding");
    if (pos < 0)
        return QByteArray();
    pos += 8;
    while (pos < declaration.size() && isXmlSpace(declaration.at(pos)))
        ++pos;
    if (pos >= declaration.size() || declaration.at(pos) != '=')
        return QByteArray();
    ++pos;
    while (pos < declaration.size() && isXmlSpace(declaration.at(pos)))
        ++pos;
    if (pos >= declaration.size() || (declaration.at(pos) != '"' && declaration.at(pos) != '\''))
        return QByteArray();
    const int close = declaration.indexOf(declaration.at(pos), pos + 1);
    return close < 0 ? QByteArray() : declaration.mid(pos + 1, close - pos - 1);
}
