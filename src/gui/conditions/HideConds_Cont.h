#pragma once

#include "conditions/HideCondsRegistry.h"
#include "conditions/SlotForHideConds_Cont.h"

class QDomElement;
class TreeWidgetItemLineInLeftTree;

// Registry of the pending visibility conditions of containers.
class HideConds_Cont : public HideCondsRegistry<TreeWidgetItemLineInLeftTree, SlotForHideConds_Cont>
{
public:
    // Collects the `c` children of a container's `hideConds` element; a null
    // element is ignored.
    void readHideConds(TreeWidgetItemLineInLeftTree* item, const QDomElement& hideConds);
};

extern HideConds_Cont* g_HideConds_Cont;
