#include "lines/STR4Validator.h"

#include "lines/ValidatorRules.h"

QValidator::State STR4Validator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    return ValidatorRules::forbiddenCharacters(input, QStringLiteral("[^ 0-9A-Za-z]"));
}
