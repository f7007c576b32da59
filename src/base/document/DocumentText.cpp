#include "document/DocumentText.h"

#include <QDomDocument>
#include <QRegularExpression>

namespace {
// The serialiser writes the declaration as it was read; the text is UTF-8
// whatever it names, so another encoding there would corrupt the saved file
// for every reader.
QString declaringUtf8(const QString& text)
{
    if (!text.startsWith(QLatin1String("<?xml")))
        return text;
    const int declarationEnd = text.indexOf(QLatin1String("?>"));
    if (declarationEnd < 0)
        return text;
    static const QRegularExpression encoding(
        QStringLiteral("\\sencoding\\s*=\\s*(['\"])([^'\"]*)\\1"));
    const QRegularExpressionMatch match = encoding.match(text.leftRef(declarationEnd));
    if (!match.hasMatch() ||
        match.captured(2).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0)
        return text;
    QString result = text;
    result.replace(match.capturedStart(2), match.capturedLength(2), QStringLiteral("UTF-8"));
    return result;
}
} // namespace

void DocumentText::setSource(const QByteArray& source)
{
    m_Source = source;
    m_Order.reset();
}

QByteArray DocumentText::of(const QDomDocument& document) const
{
    if (!m_Order)
        m_Order = AttributeOrder::of(m_Source);
    return m_Order->apply(declaringUtf8(document.toString(4))).toUtf8();
}
