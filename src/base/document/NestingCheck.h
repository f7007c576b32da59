#pragma once

#include <QByteArray>
#include <QString>

// Measures how deep the elements of an XML text nest without recursing, so
// that a text nested too deeply for the recursive DOM parser (which runs out
// of stack at some tens of thousands of levels) can be refused before it is
// parsed. Only the depth is judged: any other fault is left to the parser.
class NestingCheck
{
public:
    struct Result
    {
        bool tooDeep = false;
        // Where the start tag of the first element deeper than the bound
        // ends: line from 1, column as the number of characters read on that
        // line.
        qint64 line = 0;
        qint64 column = 0;
    };

    // The first element of `text` that stands deeper than `maxDepth` levels
    // (the document element is level 1).
    static Result findTooDeep(const QByteArray& text, int maxDepth);

private:
    // A stream reader pass; false when the reader stopped at an error before
    // the end of the text, which leaves the rest of the text unmeasured.
    static bool streamPass(const QByteArray& text, int maxDepth, Result& result);
    // A tolerant scan of the markup that goes on past any fault and counts
    // start and end tags; also what is left when the stream reader gave up.
    static Result markupPass(const QString& text, int maxDepth);
};
