#include "conditions/ConditionDecision.h"

#include <array>
#include <utility>

namespace ConditionDecision {

Operator operatorOf(const QString& o)
{
    // The order of this table is the order in which the names are searched.
    static const std::array<std::pair<const char*, Operator>, 8> kOperators = {{
        {"EQ", EQ},
        {"NE", NE},
        {"GT", GT},
        {"GE", GE},
        {"LT", LT},
        {"LE", LE},
        {"BT", BT},
        {"NB", NB},
    }};
    for (const auto& [name, op] : kOperators) {
        if (o.contains(QLatin1String(name)))
            return op;
    }
    return NoOperator;
}

double numberSourceValue(const QString& text)
{
    bool ok = false;
    const double x = text.trimmed().toDouble(&ok);
    return ok ? x : 0.0;
}

bool decideForNumber(Operator op, int value, double x, bool& holds)
{
    const double v = value;
    switch (op) {
    case EQ:
        holds = x == v;
        return true;
    case NE:
        holds = x != v;
        return true;
    case GT:
        holds = x > v;
        return true;
    case GE:
        holds = x >= v;
        return true;
    case LT:
        holds = x < v;
        return true;
    case LE:
        holds = x <= v;
        return true;
    case BT:
    case NB:
    case NoOperator:
        break;
    }
    return false;
}

bool decideForCheck(Operator op, int value, bool checked, bool& holds)
{
    const int b = checked ? 1 : 0;
    switch (op) {
    case EQ:
        holds = b == value;
        return true;
    case NE:
        holds = b != value;
        return true;
    case BT:
        holds = checked;
        return true;
    case NB:
        holds = !checked;
        return true;
    case GT:
    case GE:
    case LT:
    case LE:
    case NoOperator:
        break;
    }
    return false;
}

} // namespace ConditionDecision
