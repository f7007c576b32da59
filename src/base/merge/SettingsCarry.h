#pragma once

#include "merge/CarryReport.h"
#include "merge/ValueCarry.h"

class LoadedDocument;
class SettingsModel;

// Carries the values of one settings document (FROM) into another (ONTO),
// setting by matching setting, as a firmware update needs them carried into
// the new firmware's document. Only `value` attributes of ONTO change. Each
// setting of ONTO is carried, kept (no match in FROM, or the same value) or
// refused (ONTO's declaration does not take FROM's value, which ONTO keeps);
// each setting of FROM without a match in ONTO is dropped. Hidden settings
// carry like any other: a hidden value is still the machine's.
class SettingsCarry
{
public:
    // Writes into `onto`'s document, whose symbols decide the letters its
    // strings take. The report counts carried, kept, refused and dropped,
    // and lists each refused and dropped setting and flags item.
    static CarryReport carry(const SettingsModel& from, LoadedDocument& onto);

    // The lines of one carried value: its refusal and its flags items that
    // one side lacks.
    static void addLines(const ValueCarry::Result& result, const QString& path,
                         const QString& label, CarryReport& report);
    // The line of a setting whose value has no place to go.
    static void addDropped(const SettingsModel::Setting& setting, const QString& path,
                           const QString& label, CarryReport& report);
};
