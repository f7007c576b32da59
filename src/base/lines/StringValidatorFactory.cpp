#include "lines/StringValidatorFactory.h"

#include "lines/STR1Validator.h"
#include "lines/STR2Validator.h"
#include "lines/STR3Validator.h"
#include "lines/STR4Validator.h"
#include "lines/STR5Validator.h"

QValidator* newStringValidator(int code, QObject* parent)
{
    switch (code) {
    case 1:
        return new STR1Validator(parent);
    case 2:
        return new STR2Validator(parent);
    case 3:
        return new STR3Validator(parent);
    case 4:
        return new STR4Validator(parent);
    case 5:
        return new STR5Validator(parent);
    default:
        return nullptr;
    }
}
