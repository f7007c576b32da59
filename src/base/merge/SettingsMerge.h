#pragma once

#include "merge/CarryReport.h"

class LoadedDocument;
class SettingsModel;

// A three-way merge of settings documents: the changes OURS made to BASE
// and those THEIRS made, setting by matching setting, with the structure
// and declarations of THEIRS. Only `value` attributes of THEIRS change.
// A value counts as changed as diff compares values. Each setting of THEIRS
// is
//   unchanged  by neither side: THEIRS's value stays;
//   ours       changed by OURS alone: OURS's value, carried as carry
//              carries it, or refused when THEIRS's declaration does not
//              take it;
//   theirs     changed by THEIRS alone: THEIRS's value stays;
//   both       changed alike: THEIRS's text of that value stays;
//   conflict   changed differently: OURS's value is carried, and listed
//              with all three values.
// A change of OURS to a setting THEIRS lacks is dropped.
class SettingsMerge
{
public:
    // Writes into `theirs`'s document, whose symbols decide the letters its
    // strings take.
    static CarryReport merge(const SettingsModel& base, const SettingsModel& ours,
                             LoadedDocument& theirs);
};
