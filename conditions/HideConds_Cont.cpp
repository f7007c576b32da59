#include "conditions/HideConds_Cont.h"

#include "conditions/ConditionReading.h"

HideConds_Cont* g_HideConds_Cont = nullptr;

void HideConds_Cont::readHideConds(TreeWidgetItemLineInLeftTree* item,
                                   const QDomElement& hideConds)
{
    if (!hideConds.isNull())
        appendConditions(m_Conds, item, hideConds);
}

void HideConds_Cont::connectConds() {}

void HideConds_Cont::clearConds()
{
    m_Conds.clear();
}

void HideConds_Cont::createSignal(HideCond<TreeWidgetItemLineInLeftTree> cond, LineInBox* source)
{
    Q_UNUSED(cond);
    Q_UNUSED(source);
}
