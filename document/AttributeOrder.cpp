#include "document/AttributeOrder.h"

#include <QPair>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>
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
    QVector<Tag> tags;
    QVector<Attribute> attributes;
    const bool complete = startTags(serialised, tags, attributes);
    // The DOM writes its elements in document order, one start tag each, so
    // the n-th tag is the n-th element of the source as long as both agree.
    bool aligned = m_Complete && complete && tags.size() == m_Elements.size();
    for (int i = 0; aligned && i < tags.size(); ++i) {
        const Tag& tag = tags.at(i);
        aligned = serialised.midRef(tag.start + 1, tag.nameLength) == m_Elements.at(i).name;
    }
    QString result;
    result.reserve(serialised.size());
    int copied = 0;
    for (int i = 0; i < tags.size(); ++i) {
        const Tag& tag = tags.at(i);
        result += serialised.midRef(copied, tag.start - copied);
        appendOrdered(serialised, tag, attributes, aligned ? &m_Elements.at(i).attributes : nullptr,
                      result);
        copied = tag.end;
    }
    result += serialised.midRef(copied);
    return result;
}

// The serialiser escapes '<' in text and in attribute values, so outside
// comments, processing instructions, CDATA sections and the document type
// every '<' opens a tag. False when a tag could not be read to its end: the
// tags before it are kept.
bool AttributeOrder::startTags(const QString& text, QVector<Tag>& tags,
                               QVector<Attribute>& attributes)
{
    int at = 0;
    while ((at = text.indexOf(QLatin1Char('<'), at)) >= 0) {
        const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
        if (next == QLatin1Char('!') || next == QLatin1Char('?') || next == QLatin1Char('/')) {
            at = skipMarkup(text, at);
        } else {
            Tag tag;
            at = readTag(text, at, tag, attributes) ? tag.end : -1;
            if (at >= 0)
                tags.append(tag);
        }
        if (at < 0)
            return false;
    }
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

bool AttributeOrder::readTag(const QString& text, int at, Tag& tag, QVector<Attribute>& attributes)
{
    const int size = text.size();
    const auto endsName = [&text](int i) {
        const QChar c = text.at(i);
        return c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') ||
               c == QLatin1Char('=');
    };
    const int firstAttribute = attributes.size();
    const auto fail = [&attributes, firstAttribute] {
        attributes.resize(firstAttribute);
        return false;
    };
    int i = at + 1;
    while (i < size && !endsName(i))
        ++i;
    tag.start = at;
    tag.nameLength = i - at - 1;
    tag.firstAttribute = firstAttribute;
    if (tag.nameLength == 0)
        return fail();
    for (;;) {
        const int separator = i;
        while (i < size && text.at(i).isSpace())
            ++i;
        if (i >= size)
            return fail();
        if (text.at(i) == QLatin1Char('>') || text.midRef(i, 2) == QLatin1String("/>")) {
            tag.selfClosing = text.at(i) != QLatin1Char('>');
            tag.end = i + (tag.selfClosing ? 2 : 1);
            tag.attributeCount = attributes.size() - firstAttribute;
            return true;
        }
        const int nameStart = i;
        while (i < size && !endsName(i))
            ++i;
        if (i == separator || i == nameStart || i + 1 >= size || text.at(i) != QLatin1Char('='))
            return fail();
        const QChar quote = text.at(i + 1);
        if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
            return fail();
        const int closing = text.indexOf(quote, i + 2);
        if (closing < 0)
            return fail();
        Attribute attribute;
        attribute.nameStart = nameStart;
        attribute.nameLength = i - nameStart;
        // Written back with one space before it, whatever stood there.
        attribute.writtenStart = nameStart;
        attribute.writtenEnd = closing + 1;
        attributes.append(attribute);
        i = closing + 1;
    }
}

void AttributeOrder::appendOrdered(const QString& text, const Tag& tag,
                                   const QVector<Attribute>& attributes,
                                   const QStringList* sourceOrder, QString& result)
{
    const Attribute* first = attributes.constData() + tag.firstAttribute;
    const auto name = [&text, first](int index) {
        return text.midRef(first[index].nameStart, first[index].nameLength);
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
    QVarLengthArray<QPair<int, int>, 16> order; // rank, index
    for (int index = 0; index < tag.attributeCount; ++index)
        order.append(qMakePair(rank(index), index));
    std::stable_sort(
        order.begin(), order.end(), [&name](const QPair<int, int>& a, const QPair<int, int>& b) {
            return a.first != b.first ? a.first < b.first : name(a.second) < name(b.second);
        });
    result += text.midRef(tag.start, tag.nameLength + 1);
    for (const QPair<int, int>& entry : order) {
        result += QLatin1Char(' ');
        result += text.midRef(first[entry.second].writtenStart,
                              first[entry.second].writtenEnd - first[entry.second].writtenStart);
    }
    result += tag.selfClosing ? QLatin1String("/>") : QLatin1String(">");
}
