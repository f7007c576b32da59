#pragma once

#include "conditions/HideCond.h"

#include <QList>

class LineInBox;
class QTreeWidget;

// Registry of the pending visibility conditions of setting lines.
class HideConds
{
public:
    QTreeWidget* m_Tree = nullptr;
    QList<HideCond<LineInBox>> m_Conds;

    // Collects the `c` children of the line's first `hideConds` element.
    void readHideConds(LineInBox* line);
    void connectConds();
    void clearConds();
    void createSignal(HideCond<LineInBox> cond, LineInBox* source);
};

extern HideConds* g_HideConds;
