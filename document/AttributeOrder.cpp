#include "document/AttributeOrder.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <numeric>

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
    bool complete = false;
    const QVector<Tag> tags = startTags(serialised, complete);
    // The DOM writes its elements in document order, one start tag each, so
    // the n-th tag is the n-th element of the source as long as both agree.
    bool aligned = m_Complete && complete && tags.size() == m_Elements.size();
    for (int i = 0; aligned && i < tags.size(); ++i)
        aligned = tags.at(i).name == m_Elements.at(i).name;
    QString result;
    result.reserve(serialised.size());
    int copied = 0;
    for (int i = 0; i < tags.size(); ++i) {
        const Tag& tag = tags.at(i);
        result += serialised.midRef(copied, tag.start - copied);
        result += ordered(tag, aligned ? &m_Elements.at(i).attributes : nullptr);
        copied = tag.end;
    }
    result += serialised.midRef(copied);
    return result;
}

// The serialiser escapes '<' in text and in attribute values, so outside
// comments, processing instructions, CDATA sections and the document type
// every '<' opens a tag.
QVector<AttributeOrder::Tag> AttributeOrder::startTags(const QString& text, bool& complete)
{
    QVector<Tag> tags;
    complete = true;
    int at = 0;
    while ((at = text.indexOf(QLatin1Char('<'), at)) >= 0) {
        const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
        if (next == QLatin1Char('!') || next == QLatin1Char('?') || next == QLatin1Char('/')) {
            at = skipMarkup(text, at);
        } else {
            Tag tag;
            at = readTag(text, at, tag) ? tag.end : -1;
            if (at >= 0)
                tags.append(tag);
        }
        if (at < 0) {
            complete = false;
            break;
        }
    }
    return tags;
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

bool AttributeOrder::readTag(const QString& text, int at, Tag& tag)
{
    const int size = text.size();
    const auto endsName = [&text](int i) {
        const QChar c = text.at(i);
        return c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('>') ||
               c == QLatin1Char('=');
    };
    int i = at + 1;
    while (i < size && !endsName(i))
        ++i;
    tag.start = at;
    tag.name = text.mid(at + 1, i - at - 1);
    if (tag.name.isEmpty())
        return false;
    for (;;) {
        const int separator = i;
        while (i < size && text.at(i).isSpace())
            ++i;
        if (i >= size)
            return false;
        if (text.at(i) == QLatin1Char('>') || text.midRef(i, 2) == QLatin1String("/>")) {
            tag.close = text.at(i) == QLatin1Char('>') ? QStringLiteral(">") : QStringLiteral("/>");
            tag.end = i + tag.close.size();
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
        tag.names.append(text.mid(nameStart, i - nameStart));
        tag.written.append(QLatin1Char(' ') + text.midRef(nameStart, closing + 1 - nameStart));
        i = closing + 1;
    }
}

QString AttributeOrder::ordered(const Tag& tag, const QStringList* sourceOrder)
{
    const auto rank = [sourceOrder](const QString& name) {
        const int index = sourceOrder ? sourceOrder->indexOf(name) : -1;
        return index < 0 ? INT_MAX : index;
    };
    QVector<int> order(tag.names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int rankA = rank(tag.names.at(a));
        const int rankB = rank(tag.names.at(b));
        return rankA != rankB ? rankA < rankB : tag.names.at(a) < tag.names.at(b);
    });
    QString result = QLatin1Char('<') + tag.name;
    for (int index : qAsConst(order))
        result += tag.written.at(index);
    return result + tag.close;
}
