#include "conditions/ConditionReading.h"

int conditionOperatorCode(const QString& o)
{
    static const char* const kOperators[] = {"EQ", "NE", "GT", "GE", "LT", "LE", "BT", "NB"};
    for (int code = 0; code < 8; ++code) {
        if (o.contains(QLatin1String(kOperators[code])))
            return code;
    }
    return -1;
}
