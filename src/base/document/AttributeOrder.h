#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

// The DOM keeps an element's attributes in a hash whose order changes from
// process to process, so its serialiser writes them in a different order on
// every run. This class remembers the order in which the parsed text listed
// them and puts the serialised start tags back into that order, so that the
// same document always gives the same text and an edit touches only the
// lines it changes.
class AttributeOrder
{
public:
    // The order of each element's attributes in `source`, the text the DOM
    // was parsed from (elements in document order).
    static AttributeOrder of(const QByteArray& source);

    // `serialised`, a text written by QDomDocument::toString from that DOM,
    // with the attributes of every start tag in the source's order.
    // Attributes the source did not list (a `value` created by an edit)
    // follow, ordered by name. When the source's elements do not line up
    // with the text's start tags (a source that could not be read), every
    // tag's attributes are ordered by name: the text is still the same for
    // the same document.
    QString apply(const QString& serialised) const;

private:
    struct Element
    {
        QString name;
        QStringList attributes;
    };
    // Places in the serialised text, so that reordering copies no more
    // than the result.
    struct Attribute
    {
        int nameStart = 0;
        int nameLength = 0;
        int end = 0; // after the closing quote of the value
    };
    using Attributes = QVarLengthArray<Attribute, 16>;
    struct Tag
    {
        int start = 0; // '<'
        int end = 0;   // after '>'
        int nameLength = 0;
        bool selfClosing = false;
    };
    // Rank in the source's order, then index in the tag.
    using Order = QVarLengthArray<QPair<int, int>, 16>;

    static bool reorder(const QString& text, const QVector<Element>* elements, QString& result);
    static int skipMarkup(const QString& text, int at);
    static bool readTag(const QString& text, int at, Tag& tag, Attributes& attributes);
    static void sortAttributes(const QString& text, const Attributes& attributes,
                               const QStringList* sourceOrder, Order& order);
    // Whether the tag's text is already what appendTag would write.
    static bool keepsItsText(const QString& text, const Tag& tag, const Attributes& attributes,
                             const Order& order);
    static void appendTag(const QString& text, const Tag& tag, const Attributes& attributes,
                          const Order& order, QString& result);

    QVector<Element> m_Elements;
    bool m_Complete = false;
};
