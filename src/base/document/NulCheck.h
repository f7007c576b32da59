#pragma once

#include <QByteArray>

// Finds the first NUL character of a document. XML forbids it, yet the DOM
// parser takes it into values, text and comments without a word; the report
// would then print it raw, and the controller, which ends the document at
// the first zero byte, would receive only part of it.
class NulCheck
{
public:
    struct Result
    {
        bool found = false;
        // Line from 1 (lines end at LF), column from 1 counting the
        // characters before it on its line.
        qint64 line = 0;
        qint64 column = 0;
    };

    static Result find(const QByteArray& text);

private:
    static Result positionOf(const QString& decoded, int index);
};
