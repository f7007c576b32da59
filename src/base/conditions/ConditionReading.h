#pragma once

#include "conditions/HideCond.h"

#include <QDomElement>
#include <QList>

// Appends one pending condition per `c` child of `hideConds`.
template <typename Target>
void appendConditions(QList<HideCond<Target>>& list, Target* target, const QDomElement& hideConds)
{
    for (QDomElement c = hideConds.firstChildElement(QStringLiteral("c")); !c.isNull();
         c = c.nextSiblingElement(QStringLiteral("c"))) {
        HideCond<Target> cond;
        cond.target = target;
        cond.s = c.attribute(QStringLiteral("s"));
        cond.op = ConditionDecision::operatorOf(c.attribute(QStringLiteral("o")));
        cond.value = c.attribute(QStringLiteral("v")).toInt();
        list.append(cond);
    }
}
