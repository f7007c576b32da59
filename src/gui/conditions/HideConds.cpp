#include "conditions/HideConds.h"

#include "conditions/ConditionReading.h"
#include "document/DocumentWalk.h"
#include "lines/LineInBox.h"

HideConds* g_HideConds = nullptr;

void HideConds::readHideConds(LineInBox* line)
{
    const QDomElement hideConds = settingConditions(*line->m_Element);
    if (!hideConds.isNull())
        appendConditions(m_Conds, line, hideConds);
}
