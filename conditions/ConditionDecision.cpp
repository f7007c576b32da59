#include "conditions/ConditionDecision.h"

namespace ConditionDecision {

double numberSourceValue(const QString& text)
{
    bool ok = false;
    const double x = text.trimmed().toDouble(&ok);
    return ok ? x : 0.0;
}

bool decideForNumber(int op, int value, double x, bool& holds)
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
    default:
        return false;
    }
}

bool decideForCheck(int op, int value, bool checked, bool& holds)
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
    default:
        return false;
    }
}

} // namespace ConditionDecision
