#pragma once

#include "conditions/ConditionDecision.h"

#include <QString>

// One pending visibility condition (a `c` element) until it is wired to its
// source lines. `Target` is the line or the navigation item it hides.
template <typename Target> struct HideCond
{
    Target* target = nullptr;
    QString s; // key of the source setting
    ConditionDecision::Operator op = ConditionDecision::NoOperator;
    int value = 0; // `v` read as a decimal integer
};
