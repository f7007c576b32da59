#pragma once

#include "conditions/HideCond.h"
#include "document/SettingsModel.h"

#include <QDomElement>
#include <QList>

// Appends one pending condition per `c` child of `hideConds`.
template <typename Target>
void appendConditions(QList<HideCond<Target>>& list, Target* target, const QDomElement& hideConds)
{
    for (const SettingsModel::Condition& condition : SettingsModel::conditionsOf(hideConds)) {
        HideCond<Target> cond;
        cond.target = target;
        cond.s = condition.s;
        cond.op = condition.op;
        cond.value = condition.value;
        list.append(cond);
    }
}
