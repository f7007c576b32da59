#pragma once

#include <QByteArray>

// Finds the first byte sequence that is not UTF-8 in a text that the parser
// would read as UTF-8. The parser itself puts U+FFFD in place of such bytes
// without a word, and the next save would write the replacement characters
// instead of the user's text.
class Utf8Check
{
public:
    struct Result
    {
        bool invalid = false;
        // The first byte of the bad sequence: line from 1 (lines end at
        // LF), column from 1 counting the characters before it on its line.
        qint64 line = 0;
        qint64 column = 0;
    };

    static Result findInvalid(const QByteArray& text);

    // Whether the parser reads `text` as UTF-8: it keeps ASCII, and its XML
    // declaration names UTF-8, an encoding unknown to Qt (the parser then
    // falls back to UTF-8) or no encoding at all.
    static bool readAsUtf8(const QByteArray& text);
    // Whether ASCII characters stand in `text` as ASCII bytes: no byte-order
    // mark of UTF-16 or UTF-32 and none of their zero bytes at the start.
    static bool keepsAscii(const QByteArray& text);

private:
    // Where the first sequence from `start` on that is not UTF-8 begins; -1
    // when there is none.
    static int firstInvalid(const QByteArray& text, int start);
    // The length of the well-formed UTF-8 sequence at `pos`, or 0.
    static int sequenceLength(const QByteArray& text, int pos);
    static QByteArray declaredEncoding(const QByteArray& text);
};
