#pragma once

#include "conditions/HideCondReceiver.h"

class TreeWidgetItemLineInLeftTree;

// Receiver of a condition that hides a container's navigation item.
class SlotForHideConds_Cont : public HideCondReceiver
{
    Q_OBJECT
public:
    SlotForHideConds_Cont(ConditionDecision::Operator op, int value,
                          TreeWidgetItemLineInLeftTree* target, QObject* parent);

    TreeWidgetItemLineInLeftTree* m_Target;

protected:
    void adjustTarget(int delta) override;
};
