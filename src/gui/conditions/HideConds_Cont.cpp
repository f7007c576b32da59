#include "conditions/HideConds_Cont.h"

#include "conditions/ConditionReading.h"

HideConds_Cont* g_HideConds_Cont = nullptr;

void HideConds_Cont::readHideConds(TreeWidgetItemLineInLeftTree* item, const QDomElement& hideConds)
{
    if (!hideConds.isNull())
        appendConditions(m_Conds, item, hideConds);
}
