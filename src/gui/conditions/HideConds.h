#pragma once

#include "conditions/HideCondsRegistry.h"
#include "conditions/SlotForHideConds.h"

class LineInBox;

// Registry of the pending visibility conditions of setting lines.
class HideConds : public HideCondsRegistry<LineInBox, SlotForHideConds>
{
public:
    // Collects the `c` children of the line's first `hideConds` element.
    void readHideConds(LineInBox* line);
};

extern HideConds* g_HideConds;
