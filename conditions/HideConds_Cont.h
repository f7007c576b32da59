#pragma once

#include "conditions/HideCond.h"

#include <QList>

class LineInBox;
class QDomElement;
class QTreeWidget;
class TreeWidgetItemLineInLeftTree;

// Registry of the pending visibility conditions of containers.
class HideConds_Cont
{
public:
    QTreeWidget* m_Tree = nullptr;
    QList<HideCond<TreeWidgetItemLineInLeftTree>> m_Conds;

    // Collects the `c` children of a container's `hideConds` element.
    void readHideConds(TreeWidgetItemLineInLeftTree* item, const QDomElement& hideConds);
    void connectConds();
    void clearConds();
    void createSignal(HideCond<TreeWidgetItemLineInLeftTree> cond, LineInBox* source);
};

extern HideConds_Cont* g_HideConds_Cont;
