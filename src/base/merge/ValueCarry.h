#pragma once

#include "document/SettingsModel.h"

#include <QString>
#include <QVector>

class SymbolTable;

// Carries the value of one setting into the matching setting of another
// document, under that setting's declaration: the value is written into the
// target's element only when it differs there and the target's line would
// take it. Flags carry item by item, matched by key; every other kind as the
// value's text, which for an enum is the key of its item.
class ValueCarry
{
public:
    enum class Outcome
    {
        Carried,
        Kept,   // the target holds that value already
        Refused // the target's declaration does not take it; the target keeps its own
    };

    // A flags item that only one side declares.
    struct LoneItem
    {
        QString name;
        QString key;
        QString state; // "set", "clear" or "undetermined", on its own side
    };

    struct Result
    {
        Outcome outcome = Outcome::Kept;
        QString reason;               // why it was refused
        QVector<LoneItem> sourceOnly; // items the target lacks: their states are lost
        QVector<LoneItem> targetOnly; // items the source lacks: the target's states stay
    };

    // Writes `from`'s value into `onto.element` (the model's copy of the
    // value is left as it was); `ontoSymbols` are the target document's.
    static Result carry(const SettingsModel::Setting& from, const SettingsModel::Setting& onto,
                        const SymbolTable& ontoSymbols);

private:
    static QString carriedFlags(const SettingsModel::Setting& from,
                                const SettingsModel::Setting& onto, Result& result);
};
