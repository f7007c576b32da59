#include "document/NulCheck.h"

#include "document/MarkupCursor.h"
#include "document/Utf8Check.h"

#include <QString>

NulCheck::Result NulCheck::find(const QByteArray& text)
{
    // In the encodings that keep ASCII as it is, a zero byte is a NUL and
    // nothing else; most texts have none and need no decoding.
    if (Utf8Check::keepsAscii(text)) {
        const int at = text.indexOf('\0');
        if (at < 0)
            return Result();
        const QString before = MarkupCursor::decode(text.left(at));
        return positionOf(before, before.size());
    }
    const QString decoded = MarkupCursor::decode(text);
    const int at = decoded.indexOf(QChar(0));
    return at < 0 ? Result() : positionOf(decoded, at);
}

NulCheck::Result NulCheck::positionOf(const QString& decoded, int index)
{
    Result result;
    result.found = true;
    const int lineStart = index > 0 ? decoded.lastIndexOf(QLatin1Char('\n'), index - 1) + 1 : 0;
    result.line = decoded.leftRef(index).count(QLatin1Char('\n')) + 1;
    // A byte-order mark is no character of the first line.
    const int skipped = lineStart == 0 && decoded.startsWith(QChar(0xFEFF)) ? 1 : 0;
    result.column = index - lineStart - skipped + 1;
    return result;
}
