#include "lines/ValidatorRules.h"

#include <QRegExp>
#include <QStringList>

namespace ValidatorRules {

QValidator::State forbiddenCharacters(const QString& input, const QString& forbidden)
{
    if (input.isEmpty())
        return QValidator::Acceptable;
    const QRegExp pattern(forbidden, Qt::CaseSensitive);
    return pattern.indexIn(input, 0) >= 0 ? QValidator::Invalid : QValidator::Acceptable;
}

QValidator::State addressParts(const QString& input, QChar separator, int partCount, int base)
{
    if (input.contains(QRegExp(QStringLiteral("\\s"))))
        return QValidator::Invalid;
    const QStringList parts = input.split(separator, Qt::KeepEmptyParts);
    if (parts.size() > partCount)
        return QValidator::Invalid;
    bool complete = parts.size() == partCount;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            complete = false;
            continue;
        }
        bool ok = false;
        // Read as unsigned, so a minus sign can never pass as a small number.
        const uint number = static_cast<uint>(part.toInt(&ok, base));
        if (!ok || number > 255)
            return QValidator::Invalid;
    }
    return complete ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace ValidatorRules
