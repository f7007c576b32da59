#pragma once

#include "document/AttributeOrder.h"

#include <QByteArray>

#include <optional>

class QDomDocument;

// The text of a document as the program saves and sends it: the DOM written
// with an indentation of 4, as UTF-8 whatever its declaration named, each
// element's attributes in the order of the text the document was read from.
class DocumentText
{
public:
    // The text the document was parsed from.
    void setSource(const QByteArray& source);
    void clear() { setSource(QByteArray()); }

    QByteArray of(const QDomDocument& document) const;

private:
    QByteArray m_Source;
    // Read from the source at the first writing, once per document.
    mutable std::optional<AttributeOrder> m_Order;
};
