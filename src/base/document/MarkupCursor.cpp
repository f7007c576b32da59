#include "document/MarkupCursor.h"

#include <QTextCodec>

void MarkupCursor::advance(int count)
{
    if (count > 0)
        m_Pos = m_Text.size() - m_Pos > count ? m_Pos + count : m_Text.size();
}

void MarkupCursor::skipTo(QChar c)
{
    const int found = m_Text.indexOf(c, m_Pos);
    m_Pos = found < 0 ? m_Text.size() : found;
}

void MarkupCursor::countLines() const
{
    const QChar* text = m_Text.constData();
    for (; m_Counted < m_Pos; ++m_Counted) {
        if (text[m_Counted] == QLatin1Char('\n')) {
            ++m_Line;
            m_LineStart = m_Counted + 1;
        }
    }
}

bool MarkupCursor::skipPast(QLatin1String terminator)
{
    const int found = m_Text.indexOf(terminator, m_Pos);
    if (found < 0) {
        advance(m_Text.size() - m_Pos);
        return false;
    }
    advance(found + terminator.size() - m_Pos);
    return true;
}

QChar MarkupCursor::skipPastUnquoted(QLatin1String stops)
{
    const QChar* text = m_Text.constData();
    const int size = m_Text.size();
    QChar quote;
    while (m_Pos < size) {
        const QChar c = text[m_Pos++];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else {
            for (int i = 0; i < stops.size(); ++i) {
                if (c == stops.at(i))
                    return c;
            }
        }
    }
    return QChar();
}

void MarkupCursor::skipSpace()
{
    while (!atEnd() && (at() == QLatin1Char(' ') || at() == QLatin1Char('\t') ||
                        at() == QLatin1Char('\n') || at() == QLatin1Char('\r')))
        advance();
}

QString MarkupCursor::readName()
{
    const int start = m_Pos;
    while (!atEnd()) {
        const QChar c = at();
        if (!isNameStart(c) && !c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('.'))
            break;
        advance();
    }
    return m_Text.mid(start, m_Pos - start);
}

bool MarkupCursor::isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char(':') || c.unicode() >= 0x80;
}

QString MarkupCursor::decode(const QByteArray& text)
{
    if (QTextCodec* codec = QTextCodec::codecForUtfText(text, nullptr))
        return codec->toUnicode(text);
    if (text.size() >= 2 && text.at(0) == '\0' && text.at(1) != '\0')
        return QTextCodec::codecForName("UTF-16BE")->toUnicode(text);
    if (text.size() >= 2 && text.at(0) != '\0' && text.at(1) == '\0')
        return QTextCodec::codecForName("UTF-16LE")->toUnicode(text);
    return QString::fromUtf8(text);
}
