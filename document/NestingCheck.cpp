#include "document/NestingCheck.h"

#include <QTextCodec>
#include <QXmlStreamReader>

namespace {

// Walks a decoded text character by character and keeps the line and the
// column of the position reached.
class MarkupCursor
{
public:
    explicit MarkupCursor(const QString& text) : m_Text(text) {}

    bool atEnd() const { return m_Pos >= m_Text.size(); }
    QChar at(int offset = 0) const
    {
        const int pos = m_Pos + offset;
        return pos < m_Text.size() ? m_Text.at(pos) : QChar();
    }
    bool startsWith(QLatin1String what) const { return m_Text.midRef(m_Pos).startsWith(what); }
    void advance(int count = 1)
    {
        for (; count > 0 && !atEnd(); --count) {
            if (m_Text.at(m_Pos) == QLatin1Char('\n')) {
                ++m_Line;
                m_LineStart = m_Pos + 1;
            }
            ++m_Pos;
        }
    }
    // Moves just past the next `terminator`; false (at the end) when there is none.
    bool skipPast(QLatin1String terminator)
    {
        const int found = m_Text.indexOf(terminator, m_Pos);
        if (found < 0) {
            advance(m_Text.size() - m_Pos);
            return false;
        }
        advance(found + terminator.size() - m_Pos);
        return true;
    }
    qint64 line() const { return m_Line; }
    qint64 column() const { return m_Pos - m_LineStart; }

private:
    const QString& m_Text;
    int m_Pos = 0;
    int m_LineStart = 0;
    qint64 m_Line = 1;
};

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char(':') || c.unicode() >= 0x80;
}

// From just after "<" of a tag to just past its ">", passing over quoted
// attribute values. Returns whether the tag closes itself with "/>".
bool skipTag(MarkupCursor& cursor, bool& closed)
{
    QChar quote;
    QChar previous;
    while (!cursor.atEnd()) {
        const QChar c = cursor.at();
        cursor.advance();
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            closed = true;
            return previous == QLatin1Char('/');
        }
        previous = c;
    }
    closed = false;
    return false;
}

// From just after "<!" of a declaration (DOCTYPE and the like) to just past
// its ">", passing over quoted strings, comments and the internal subset.
bool skipDeclaration(MarkupCursor& cursor)
{
    QChar quote;
    int brackets = 0;
    while (!cursor.atEnd()) {
        if (quote.isNull() && cursor.startsWith(QLatin1String("<!--"))) {
            if (!cursor.skipPast(QLatin1String("-->")))
                return false;
            continue;
        }
        const QChar c = cursor.at();
        cursor.advance();
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            ++brackets;
        } else if (c == QLatin1Char(']')) {
            --brackets;
        } else if (c == QLatin1Char('>') && brackets <= 0) {
            return true;
        }
    }
    return false;
}

} // namespace

NestingCheck::Result NestingCheck::findTooDeep(const QByteArray& text, int maxDepth)
{
    Result result;
    if (streamPass(text, maxDepth, result) || result.tooDeep)
        return result;
    // The stream reader is stricter than the DOM parser (undeclared entities,
    // duplicate attributes, control characters...), so its stop does not mean
    // that the parser stops there too.
    return markupPass(decode(text), maxDepth);
}

bool NestingCheck::streamPass(const QByteArray& text, int maxDepth, Result& result)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxDepth) {
                result.tooDeep = true;
                result.line = reader.lineNumber();
                result.column = reader.columnNumber();
                return true;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

NestingCheck::Result NestingCheck::markupPass(const QString& text, int maxDepth)
{
    Result result;
    MarkupCursor cursor(text);
    int depth = 0;
    while (!cursor.atEnd()) {
        if (cursor.at() != QLatin1Char('<')) {
            cursor.advance();
            continue;
        }
        bool complete = true;
        if (cursor.startsWith(QLatin1String("<!--"))) {
            complete = cursor.skipPast(QLatin1String("-->"));
        } else if (cursor.startsWith(QLatin1String("<![CDATA["))) {
            complete = cursor.skipPast(QLatin1String("]]>"));
        } else if (cursor.startsWith(QLatin1String("<!"))) {
            cursor.advance(2);
            complete = skipDeclaration(cursor);
        } else if (cursor.startsWith(QLatin1String("<?"))) {
            complete = cursor.skipPast(QLatin1String("?>"));
        } else if (cursor.startsWith(QLatin1String("</"))) {
            complete = cursor.skipPast(QLatin1String(">"));
            depth = qMax(0, depth - 1);
        } else if (isNameStart(cursor.at(1))) {
            cursor.advance();
            const bool selfClosing = skipTag(cursor, complete);
            if (!complete)
                break;
            // An empty element stands one level down as well.
            if (depth + 1 > maxDepth) {
                result.tooDeep = true;
                result.line = cursor.line();
                result.column = cursor.column();
                return result;
            }
            if (!selfClosing)
                ++depth;
        } else {
            cursor.advance();
        }
        if (!complete)
            break;
    }
    return result;
}

QString NestingCheck::decode(const QByteArray& text)
{
    // Only the ASCII markup characters matter here, so every encoding that
    // keeps ASCII as it is can be read as UTF-8; UTF-16 and UTF-32 cannot.
    if (QTextCodec* codec = QTextCodec::codecForUtfText(text, nullptr))
        return codec->toUnicode(text);
    if (text.size() >= 2 && text.at(0) == '\0' && text.at(1) != '\0')
        return QTextCodec::codecForName("UTF-16BE")->toUnicode(text);
    if (text.size() >= 2 && text.at(0) != '\0' && text.at(1) == '\0')
        return QTextCodec::codecForName("UTF-16LE")->toUnicode(text);
    return QString::fromUtf8(text);
}
