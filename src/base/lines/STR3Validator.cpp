#include "lines/STR3Validator.h"

#include "lines/ValidatorRules.h"

QValidator::State STR3Validator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    return ValidatorRules::forbiddenCharacters(input, QStringLiteral("[^ +0-9]"));
}
