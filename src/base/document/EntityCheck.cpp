#include "document/EntityCheck.h"

#include "document/MarkupCursor.h"

namespace {
// Entities within entities deeper than this are not measured but refused as
// too large: no text needs them, and each level costs the parser stack.
constexpr int kMaxEntityNesting = 64;

bool isPredefined(const QString& name)
{
    return name == QLatin1String("lt") || name == QLatin1String("gt") ||
           name == QLatin1String("amp") || name == QLatin1String("apos") ||
           name == QLatin1String("quot");
}

// Passes over a declaration to just past its '>', quoted strings included.
void skipDeclaration(MarkupCursor& cursor)
{
    cursor.skipPastUnquoted(QLatin1String(">"));
}

// The replacement text of an entity value as the parser stores it: character
// references are replaced when the declaration is read, entity references
// stay until the entity is used.
QString replacementOf(const QString& literal)
{
    QString result;
    result.reserve(literal.size());
    for (int i = 0; i < literal.size(); ++i) {
        const int end = literal.indexOf(QLatin1Char(';'), i);
        if (literal.at(i) != QLatin1Char('&') || literal.midRef(i + 1, 1) != QLatin1String("#") ||
            end < 0) {
            result += literal.at(i);
            continue;
        }
        const QStringRef digits = literal.midRef(i + 2, end - i - 2);
        bool ok = false;
        const uint code = digits.startsWith(QLatin1Char('x')) ? digits.mid(1).toUInt(&ok, 16)
                                                              : digits.toUInt(&ok, 10);
        if (!ok || code > 0x10FFFF) {
            result += literal.at(i);
            continue;
        }
        result += QString::fromUcs4(&code, 1);
        i = end;
    }
    return result;
}
} // namespace

EntityCheck::Result EntityCheck::check(const QString& text, qint64 maxExpansion)
{
    Result result;
    // Without a declaration there is nothing to expand.
    if (!text.contains(QLatin1String("<!ENTITY")))
        return result;
    EntityCheck check(maxExpansion);
    MarkupCursor cursor(text);
    if (!check.readDoctype(cursor, result))
        return result;
    return check.measureReferences(cursor);
}

bool EntityCheck::readDoctype(MarkupCursor& cursor, Result& result)
{
    // The prolog: a byte-order mark, the XML declaration, comments,
    // processing instructions.
    if (cursor.at() == QChar(0xFEFF))
        cursor.advance();
    for (;;) {
        cursor.skipSpace();
        if (cursor.startsWith(QLatin1String("<?")))
            cursor.skipPast(QLatin1String("?>"));
        else if (cursor.startsWith(QLatin1String("<!--")))
            cursor.skipPast(QLatin1String("-->"));
        else
            break;
    }
    if (!cursor.startsWith(QLatin1String("<!DOCTYPE")))
        return true;
    // The name and external identifier, up to the internal subset.
    if (cursor.skipPastUnquoted(QLatin1String(">[")) != QLatin1Char('['))
        return true;
    while (!cursor.atEnd() && cursor.at() != QLatin1Char(']')) {
        if (cursor.startsWith(QLatin1String("<!--"))) {
            cursor.skipPast(QLatin1String("-->"));
        } else if (cursor.startsWith(QLatin1String("<?"))) {
            cursor.skipPast(QLatin1String("?>"));
        } else if (cursor.startsWith(QLatin1String("<!ENTITY"))) {
            if (!readEntityDeclaration(cursor, result))
                return false;
        } else if (cursor.startsWith(QLatin1String("<!"))) {
            skipDeclaration(cursor);
        } else {
            cursor.advance();
        }
    }
    return true;
}

bool EntityCheck::readEntityDeclaration(MarkupCursor& cursor, Result& result)
{
    cursor.advance(int(qstrlen("<!ENTITY")));
    cursor.skipSpace();
    const bool parameter = cursor.at() == QLatin1Char('%');
    if (parameter) {
        cursor.advance();
        cursor.skipSpace();
    }
    const QString name = cursor.readName();
    cursor.skipSpace();
    const QChar quote = cursor.at();
    if (quote != QLatin1Char('"') && quote != QLatin1Char('\'')) {
        // An external entity: the parser never reads it.
        skipDeclaration(cursor);
        return true;
    }
    cursor.advance();
    QString literal;
    while (!cursor.atEnd() && cursor.at() != quote) {
        literal += cursor.at();
        cursor.advance();
    }
    cursor.advance();
    const QString replacement = replacementOf(literal);
    if (parameter || replacement.contains(QLatin1Char('<'))) {
        result.fault = Fault::Unsupported;
        result.line = cursor.line();
        result.column = cursor.column();
        return false;
    }
    // The first declaration of a name is the one that counts.
    if (!m_Replacements.contains(name))
        m_Replacements.insert(name, replacement);
    skipDeclaration(cursor);
    return true;
}

EntityCheck::Result EntityCheck::measureReferences(MarkupCursor& cursor)
{
    Result result;
    qint64 total = 0;
    while (!cursor.atEnd()) {
        if (cursor.startsWith(QLatin1String("<!--"))) {
            cursor.skipPast(QLatin1String("-->"));
            continue;
        }
        if (cursor.startsWith(QLatin1String("<![CDATA["))) {
            cursor.skipPast(QLatin1String("]]>"));
            continue;
        }
        if (cursor.startsWith(QLatin1String("<?"))) {
            cursor.skipPast(QLatin1String("?>"));
            continue;
        }
        const bool reference = cursor.at() == QLatin1Char('&');
        cursor.advance();
        if (!reference || !MarkupCursor::isNameStart(cursor.at()))
            continue;
        const QString name = cursor.readName();
        if (cursor.at() != QLatin1Char(';') || !m_Replacements.contains(name))
            continue;
        cursor.advance();
        total += referenceSize(name, 0);
        if (total > m_Max) {
            result.fault = Fault::TooLarge;
            result.line = cursor.line();
            result.column = cursor.column();
            return result;
        }
    }
    return result;
}

qint64 EntityCheck::referenceSize(const QString& name, int nesting)
{
    if (isPredefined(name))
        return 1;
    if (!m_Replacements.contains(name))
        return 0;
    if (nesting > kMaxEntityNesting)
        return m_Max + 1;
    const auto known = m_Sizes.constFind(name);
    // An entity that refers to itself is refused by the parser when used.
    if (known != m_Sizes.constEnd())
        return qMax<qint64>(known.value(), 0);
    m_Sizes.insert(name, -1);
    const qint64 size = expandedSize(m_Replacements.value(name), nesting + 1);
    m_Sizes.insert(name, size);
    return size;
}

qint64 EntityCheck::expandedSize(const QString& text, int nesting)
{
    qint64 size = 0;
    int pos = 0;
    while (pos < text.size() && size <= m_Max) {
        const int ampersand = text.indexOf(QLatin1Char('&'), pos);
        const int end = ampersand < 0 ? -1 : text.indexOf(QLatin1Char(';'), ampersand);
        if (end < 0) {
            size += text.size() - pos;
            break;
        }
        size += ampersand - pos;
        const QString name = text.mid(ampersand + 1, end - ampersand - 1);
        if (isPredefined(name) || m_Replacements.contains(name))
            size += referenceSize(name, nesting);
        else
            size += end + 1 - ampersand;
        pos = end + 1;
    }
    return qMin(size, m_Max + 1);
}
