#include "lines/STR5Validator.h"

#include "lines/ValidatorRules.h"

QValidator::State STR5Validator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    return ValidatorRules::forbiddenCharacters(input, QStringLiteral("[А-Яа-я]"));
}
