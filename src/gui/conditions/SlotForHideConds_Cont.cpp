#include "conditions/SlotForHideConds_Cont.h"

#include "app/TreeWidgetItemLineInLeftTree.h"

#include <QTreeWidget>

SlotForHideConds_Cont::SlotForHideConds_Cont(ConditionDecision::Operator op, int value,
                                             TreeWidgetItemLineInLeftTree* target, QObject* parent)
    : HideCondReceiver(op, value, parent), m_Target(target)
{
}

void SlotForHideConds_Cont::adjustTarget(int delta)
{
    m_Target->m_HideCount = static_cast<quint8>(m_Target->m_HideCount + delta);
    if (m_Target->treeWidget())
        m_Target->setHidden(m_Target->m_HideCount != 0);
}
