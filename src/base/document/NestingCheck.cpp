#include "document/NestingCheck.h"

#include "document/MarkupCursor.h"

#include <QXmlStreamReader>

namespace {

// From just after "<" of a tag to just past its ">", passing over quoted
// attribute values. Returns whether the tag closes itself with "/>".
bool skipTag(MarkupCursor& cursor, bool& closed)
{
    closed = !cursor.skipPastUnquoted(QLatin1String(">")).isNull();
    return closed && cursor.at(-2) == QLatin1Char('/');
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
    // The tolerant scan is quick, and where the markup is well formed it
    // counts what the parser will nest; it never counts less. Only a text it
    // finds too deep is read again by the stream reader, for the place that
    // reader names.
    const Result markup = markupPass(MarkupCursor::decode(text), maxDepth);
    if (!markup.tooDeep)
        return markup;
    Result result;
    if (streamPass(text, maxDepth, result) || result.tooDeep)
        return result;
    // The stream reader is stricter than the DOM parser (undeclared entities,
    // duplicate attributes, control characters...), so its stop does not mean
    // that the parser stops there too.
    return markup;
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
            cursor.skipTo(QLatin1Char('<'));
            continue;
        }
        // Most of a document is start and end tags: the character after
        // "<" tells the kinds apart before any longer comparison.
        const QChar next = cursor.at(1);
        bool complete = true;
        if (MarkupCursor::isNameStart(next)) {
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
        } else if (next == QLatin1Char('/')) {
            complete = cursor.skipPast(QLatin1String(">"));
            depth = qMax(0, depth - 1);
        } else if (next == QLatin1Char('!')) {
            if (cursor.startsWith(QLatin1String("<!--"))) {
                complete = cursor.skipPast(QLatin1String("-->"));
            } else if (cursor.startsWith(QLatin1String("<![CDATA["))) {
                complete = cursor.skipPast(QLatin1String("]]>"));
            } else {
                cursor.advance(2);
                complete = skipDeclaration(cursor);
            }
        } else if (next == QLatin1Char('?')) {
            complete = cursor.skipPast(QLatin1String("?>"));
        } else {
            cursor.advance();
        }
        if (!complete)
            break;
    }
    return result;
}
