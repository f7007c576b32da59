#include "lines/IP4Validator.h"

#include "lines/ValidatorRules.h"

IP4Validator::IP4Validator(QObject* parent, const QString& defaultText)
    : QValidator(parent), m_Default(defaultText)
{
}

QValidator::State IP4Validator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    if (input.isEmpty()) {
        input = m_Default;
        return Acceptable;
    }
    return ValidatorRules::addressParts(input, QLatin1Char('.'), 4, 10);
}
