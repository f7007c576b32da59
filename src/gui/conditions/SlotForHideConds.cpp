#include "conditions/SlotForHideConds.h"

#include "lines/LineInBox.h"

SlotForHideConds::SlotForHideConds(ConditionDecision::Operator op, int value, LineInBox* target,
                                   QObject* parent)
    : HideCondReceiver(op, value, parent), m_Target(target)
{
}

void SlotForHideConds::adjustTarget(int delta)
{
    m_Target->m_HideCount = static_cast<quint8>(m_Target->m_HideCount + delta);
    m_Target->setLineVisible(m_Target->m_HideCount == 0);
}
