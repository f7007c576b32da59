#pragma once

#include <QString>

// Deciding one visibility condition; no widgets involved.
namespace ConditionDecision {

// The operators of a condition's `o`, with the codes conditions travel by.
enum Operator
{
    NoOperator = -1, // `o` names none: the condition never acts
    EQ = 0,
    NE = 1,
    GT = 2,
    GE = 3,
    LT = 4,
    LE = 5,
    BT = 6,
    NB = 7
};

// The operator named in `o`: the first of EQ NE GT GE LT LE BT NB (in this
// order) that occurs anywhere in the text (case-sensitive), or NoOperator.
Operator operatorOf(const QString& o);

// A number source's text as the value compared: the text read as a decimal
// number, so that "25.0" compares like 25; 0 when it is not a number.
double numberSourceValue(const QString& text);

// Decides `op` for a number source of value `x` against `value`. Returns
// false when the operator is never evaluated on number sources (BT, NB and
// unknown codes): the condition then keeps its state.
bool decideForNumber(Operator op, int value, double x, bool& holds);

// Decides `op` for a check-box or radio-button source in state `checked`.
// Returns false for the operators never evaluated on such sources.
bool decideForCheck(Operator op, int value, bool checked, bool& holds);

} // namespace ConditionDecision
