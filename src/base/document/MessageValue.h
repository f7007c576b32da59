#pragma once

#include <QString>

// A value of a document as a message quotes it: a value of any size (a
// 100 MB attribute) becomes a line a person can read, and says how long it
// really was.
class MessageValue
{
public:
    // Values up to this many characters are quoted whole.
    static constexpr int kShownLength = 200;

    // `text` itself, or its first kShownLength characters followed by
    // "… (N characters)".
    static QString shortened(const QString& text);
    // shortened(text) in double quotes.
    static QString quoted(const QString& text);
};
