#include "document/AttributeOrder.h"

#include <QPair>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <climits>

AttributeOrder AttributeOrder::of(const QByteArray& source)
{
    AttributeOrder order;
    QXmlStreamReader reader(source);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        Element element;
        element.name = reader.qualifiedName().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            if (!attribute.isDefault())
                element.attributes.append(attribute.qualifiedName().toString());
        }
        order.m_Elements.append(element);
    }
    order.m_Complete = !reader.hasError();
    return order;
}

QString AttributeOrder::apply(const QString& serialised) const
{
    // The DOM writes its elements in document order, one start tag each, so
    // the n-th tag is the n-th element of the source as long as both agree;
    // where they do not, every tag is ordered by name.
    QString result;
    if (!m_Complete || !reorder(serialised, &m_Elements, result)) {
        result.clear();
        reorder(serialised, nullptr, result);
    }
    return result;
}

// The serialiser escapes '<' in text and in attribute values, so outside
// comments, processing instructions, CDATA sections and the document type
// every '<' opens a tag. With `elements`, false as soon as a tag does not
// line up with its element or a tag cannot be read to its end; without,
// the text from a tag that cannot be read on is copied as it is.
bool AttributeOrder::reorder(const QString& text, const QVector<Element>* elements, QString& result)
{
    result.reserve(text.size());
    Attributes attributes;
    Order order;
    int copied = 0;
    int count = 0;
    bool complete = true;
    int at = 0;
    while ((at = text.indexOf(QLatin1Char('<'), at)) >= 0) {
        const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
        if (next == QLatin1Char('!') || next == QLatin1Char('?') || next == QLatin1Char('/')) {
            at = skipMarkup(text, at);
            if (at < 0) {
                complete = false;
                break;
            }
            continue;
        }
        Tag tag;
        if (!readTag(text, at, tag, attributes)) {
            complete = false;
            break;
        }
        const QStringList* sourceOrder = nullptr;
        if (elements) {
            if (count >= elements->size() ||
                QStringRef(&text, at + 1, tag.nameLength) != elements->at(count).name)
                return false;
            sourceOrder = &elements->at(count).attributes;
        }
        ++count;
        sortAttributes(text, attributes, sourceOrder, order);
        // Most tags stand as they will be written: they stay in the run of
        // text copied as it is.
        if (!keepsItsText(text, tag, attributes, order)) {
            result += QStringRef(&text, copied, tag.start - copied);
            appendTag(text, tag, attributes, order, result);
            copied = tag.end;
        }
        at = tag.end;
    }
    if (elements && (!complete || count != elements->size()))
        return false;
    result += QStringRef(&text, copied, text.size() - copied);
    return true;
}

int AttributeOrder::skipMarkup(const QString& text, int at)
{
    const auto past = [&text, at](const char* opening, const char* closing) {
        const int found = text.indexOf(QLatin1String(closing), at + int(qstrlen(opening)));
        return found < 0 ? -1 : found + int(qstrlen(closing));
    };
    const QStringRef rest = text.midRef(at);
    if (rest.startsWith(QLatin1String("<!--")))
        return past("<!--", "-->");
    if (rest.startsWith(QLatin1String("<![CDATA[")))
        return past("<![CDATA[", "]]>");
    if (rest.startsWith(QLatin1String("<?")))
        return past("<?", "?>");
    if (rest.startsWith(QLatin1String("</")))
        return past("</", ">");
    // The document type: its internal subset holds quoted texts and
    // declarations of its own.
    QChar quote;
    int depth = 0;
    for (int i = at + 2; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            ++depth;
        } else if (c == QLatin1Char(']')) {
            --depth;
        } else if (c == QLatin1Char('>') && depth <= 0) {
            return i + 1;
        }
    }
    return -1;
}

bool AttributeOrder::readTag(const QString& text, int at, Tag& tag, Attributes& attributes)
{
    const int size = text.size();
    const auto endsName = [&text](int i) {
        const QChar c = text.at(i);
        return c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') ||
               c == QLatin1Char('=');
    };
    attributes.clear();
    int i = at + 1;
    while (i < size && !endsName(i))
        ++i;
    tag.start = at;
    tag.nameLength = i - at - 1;
    if (tag.nameLength == 0)
        return false;
    for (;;) {
        const int separator = i;
        while (i < size && text.at(i).isSpace())
            ++i;
        if (i >= size)
            return false;
        if (text.at(i) == QLatin1Char('>') || (text.at(i) == QLatin1Char('/') && i + 1 < size &&
                                               text.at(i + 1) == QLatin1Char('>'))) {
            tag.selfClosing = text.at(i) != QLatin1Char('>');
            tag.end = i + (tag.selfClosing ? 2 : 1);
            return true;
        }
        const int nameStart = i;
        while (i < size && !endsName(i))
            ++i;
        if (i == separator || i == nameStart || i + 1 >= size || text.at(i) != QLatin1Char('='))
            return false;
        const QChar quote = text.at(i + 1);
        if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
            return false;
        const int closing = text.indexOf(quote, i + 2);
        if (closing < 0)
            return false;
        Attribute attribute;
        attribute.nameStart = nameStart;
        attribute.nameLength = i - nameStart;
        attribute.end = closing + 1;
        attributes.append(attribute);
        i = closing + 1;
    }
}

void AttributeOrder::sortAttributes(const QString& text, const Attributes& attributes,
                                    const QStringList* sourceOrder, Order& order)
{
    const Attribute* first = attributes.constData();
    const auto name = [&text, first](int index) {
        return QStringRef(&text, first[index].nameStart, first[index].nameLength);
    };
    const auto rank = [sourceOrder, &name](int index) {
        if (!sourceOrder)
            return INT_MAX;
        const QStringRef attributeName = name(index);
        for (int i = 0; i < sourceOrder->size(); ++i) {
            if (sourceOrder->at(i) == attributeName)
                return i;
        }
        return INT_MAX;
    };
    const auto before = [&name](const QPair<int, int>& a, const QPair<int, int>& b) {
        return a.first != b.first ? a.first < b.first : name(a.second) < name(b.second);
    };
    // A tag holds a handful of attributes: an insertion sort, stable, needs
    // no buffer.
    order.clear();
    for (int index = 0; index < attributes.size(); ++index) {
        const QPair<int, int> entry(rank(index), index);
        int at = order.size();
        order.append(entry);
        for (; at > 0 && before(entry, order[at - 1]); --at)
            order[at] = order[at - 1];
        order[at] = entry;
    }
}

bool AttributeOrder::keepsItsText(const QString& text, const Tag& tag, const Attributes& attributes,
                                  const Order& order)
{
    const Attribute* first = attributes.constData();
    int end = tag.start + 1 + tag.nameLength;
    for (int index = 0; index < order.size(); ++index) {
        const Attribute& attribute = first[index];
        if (order.at(index).second != index || attribute.nameStart != end + 1 ||
            text.at(end) != QLatin1Char(' '))
            return false;
        end = attribute.end;
    }
    return tag.end == end + (tag.selfClosing ? 2 : 1);
}

void AttributeOrder::appendTag(const QString& text, const Tag& tag, const Attributes& attributes,
                               const Order& order, QString& result)
{
    const Attribute* first = attributes.constData();
    result += QStringRef(&text, tag.start, tag.nameLength + 1);
    for (const QPair<int, int>& entry : order) {
        const Attribute& attribute = first[entry.second];
        result += QLatin1Char(' ');
        // Written back with one space before it, whatever stood there.
        result += QStringRef(&text, attribute.nameStart, attribute.end - attribute.nameStart);
    }
    result += tag.selfClosing ? QLatin1String("/>") : QLatin1String(">");
}
