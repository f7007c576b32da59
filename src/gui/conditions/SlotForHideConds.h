#pragma once

#include "conditions/HideCondReceiver.h"

class LineInBox;

// Receiver of a condition that hides a setting line.
class SlotForHideConds : public HideCondReceiver
{
    Q_OBJECT
public:
    SlotForHideConds(ConditionDecision::Operator op, int value, LineInBox* target, QObject* parent);

    LineInBox* m_Target;

protected:
    void adjustTarget(int delta) override;
};
