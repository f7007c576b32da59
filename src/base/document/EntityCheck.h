#pragma once

#include <QHash>
#include <QString>

class MarkupCursor;

// Measures what the internal entities of a document's DTD would add to it
// once every reference is replaced, before the DOM parser does the
// replacing: an entity of 100 KB referenced 100,000 times costs the parser
// gigabytes of memory. A settings document needs no entities at all, so the
// check also refuses the entities whose expansion it cannot measure here:
// parameter entities (they may declare further entities) and entities whose
// text holds markup (their elements would escape the depth check).
class EntityCheck
{
public:
    enum class Fault
    {
        None,
        TooLarge,   // the references add more characters than allowed
        Unsupported // a parameter entity, or an entity with markup
    };

    struct Result
    {
        Fault fault = Fault::None;
        // TooLarge: the end of the reference that passes the bound;
        // Unsupported: the end of the declaration's value. Line from 1,
        // column as in MarkupCursor.
        qint64 line = 0;
        qint64 column = 0;
    };

    // `text` is the decoded document; `maxExpansion` the number of
    // characters that all references together may add.
    static Result check(const QString& text, qint64 maxExpansion);

private:
    explicit EntityCheck(qint64 maxExpansion) : m_Max(maxExpansion) {}

    // Reads the DTD up to the end of its internal subset; false with the
    // result set when a declaration is refused.
    bool readDoctype(MarkupCursor& cursor, Result& result);
    bool readEntityDeclaration(MarkupCursor& cursor, Result& result);
    // Adds up the references in the rest of the document.
    Result measureReferences(MarkupCursor& cursor);
    // The number of characters a reference to `name` stands for, capped at
    // one more than the bound.
    qint64 referenceSize(const QString& name, int nesting);
    qint64 expandedSize(const QString& text, int nesting);

    qint64 m_Max;
    QHash<QString, QString> m_Replacements; // general internal entities
    QHash<QString, qint64> m_Sizes;         // memo of referenceSize, -1 while measured
};
