#pragma once

#include <QString>

class QByteArray;
class QDomDocument;

// The one way a settings document is parsed, from a file, from the
// controller or for the command-line tool: the checks that protect the
// parser and the user's text, then the DOM parse itself.
class DocumentParser
{
public:
    // Deeper nesting than this is refused before the DOM parse: the parser and
    // the walk recurse once per level, and a real settings document stays far
    // below it.
    static constexpr int kMaxNestingDepth = 256;
    // The characters that all references to internal entities together may
    // add to a document; a settings document uses no entities at all.
    static constexpr qint64 kMaxEntityExpansion = 1 << 20;
    // The largest document read or parsed, 16 MiB: far above any real
    // settings document, and low enough that the screens built from it fit
    // in memory. The controller's link bounds a reply the same way.
    static constexpr qint64 kMaxDocumentBytes = 16 * 1024 * 1024;

    struct Result
    {
        bool parsed = false;
        // Why the text is no document, and where: the parser's own message or
        // one of the refusals of the checks.
        QString reason;
        qint64 line = 0;
        qint64 column = 0;

        // "<reason> line=<L> col=<C>", the text of the message box; only
        // the reason for a refusal that has no place (line 0).
        QString message() const;
    };

    // Parses `text` into `document` (namespace processing off). On failure
    // `document` is empty.
    static Result parse(const QByteArray& text, QDomDocument& document);

    // The title of the message box that shows a refused document.
    static QString errorTitle();

private:
    static bool precheck(const QByteArray& text, Result& result);
    static bool checkCharacters(const QByteArray& text, Result& result);
    static bool checkEntitiesAndNesting(const QByteArray& text, Result& result);
    // `text` with a byte-order mark when it is UTF-16 without one.
    static QByteArray markedUtf16(const QByteArray& text);
};
