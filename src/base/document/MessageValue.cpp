#include "document/MessageValue.h"

QString MessageValue::shortened(const QString& text)
{
    if (text.size() <= kShownLength)
        return text;
    return text.left(kShownLength) + QStringLiteral("… (%1 characters)").arg(text.size());
}
