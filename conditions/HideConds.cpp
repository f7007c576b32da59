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
