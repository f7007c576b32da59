#include "lines/MACValidator.h"

#include "lines/ValidatorRules.h"

MACValidator::MACValidator(QObject* parent, const QString& defaultText)
    : QValidator(parent), m_Default(defaultText)
{
}

QValidator::State MACValidator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    if (input.isEmpty()) {
        input = m_Default;
        return Acceptable;
    }
    return ValidatorRules::addressParts(input, QLatin1Char(':'), 6, 16);
}
