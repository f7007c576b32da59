#include "lines/STR2Validator.h"

QValidator::State STR2Validator::validate(QString& input, int& position) const
{
    Q_UNUSED(input);
    Q_UNUSED(position);
    return Acceptable;
}
