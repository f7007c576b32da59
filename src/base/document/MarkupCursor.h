#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

// Walks a decoded XML text character by character and keeps the line and the
// column of the position reached: the line from 1, the column as the number
// of characters read on that line (so the last character read is at that
// column, counted from 1). Used by the tolerant scans that run before the
// DOM parse.
class MarkupCursor
{
public:
    explicit MarkupCursor(const QString& text) : m_Text(text) {}

    bool atEnd() const { return m_Pos >= m_Text.size(); }
    int position() const { return m_Pos; }
    QChar at(int offset = 0) const
    {
        const int pos = m_Pos + offset;
        return pos >= 0 && pos < m_Text.size() ? m_Text.at(pos) : QChar();
    }
    bool startsWith(QLatin1String what) const { return m_Text.midRef(m_Pos).startsWith(what); }
    void advance(int count = 1);
    // Moves just past the next `terminator`; false (at the end) when there is none.
    bool skipPast(QLatin1String terminator);
    // Moves just past the first of the characters `stops` that stands
    // outside a quoted string and returns it; a null character (at the end)
    // when there is none.
    QChar skipPastUnquoted(QLatin1String stops);
    // Moves past a run of XML white space.
    void skipSpace();
    // Reads an XML name (letters, digits, '_', ':', '-', '.', anything beyond
    // ASCII); empty when none starts here.
    QString readName();
    // Moves to the next `c`, or to the end when there is none.
    void skipTo(QChar c);
    qint64 line() const
    {
        countLines();
        return m_Line;
    }
    qint64 column() const
    {
        countLines();
        return m_Pos - m_LineStart;
    }

    // The text as far as its markup goes: every encoding that keeps ASCII as
    // it is reads as UTF-8 here, UTF-16 and UTF-32 are recognised by their
    // byte-order mark or their zero bytes.
    static QString decode(const QByteArray& text);
    static bool isNameStart(QChar c);

private:
    // Lines are counted only when asked for: the scans move over megabytes
    // and need the place of one fault at most.
    void countLines() const;

    const QString& m_Text;
    int m_Pos = 0;
    mutable int m_Counted = 0;
    mutable int m_LineStart = 0;
    mutable qint64 m_Line = 1;
};
