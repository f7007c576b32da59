#include "conditions/HideConds.h"

#include "conditions/ConditionReading.h"
#include "lines/LineInBox.h"

HideConds* g_HideConds = nullptr;

void HideConds::readHideConds(LineInBox* line)
{
    const QDomElement hideConds = line->m_Element->firstChildElement(QStringLiteral("hideConds"));
    if (!hideConds.isNull())
        appendConditions(m_Conds, line, hideConds);
}

void HideConds::connectConds() {}

void HideConds::clearConds()
{
    m_Conds.clear();
}

void HideConds::createSignal(HideCond<LineInBox> cond, LineInBox* source)
{
    Q_UNUSED(cond);
    Q_UNUSED(source);
}
