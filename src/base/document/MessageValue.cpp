#include "document/MessageValue.h"

QString MessageValue::shortened(const QString& text)
{
    if (text.size() <= kShownLength)
        return text;
    return text.left(kShownLength) + QStringLiteral("… (%1 characters)").arg(text.size());
}

QString MessageValue::quoted(const QString& text)
{
    return QLatin1Char('"') + shortened(text) + QLatin1Char('"');
}
