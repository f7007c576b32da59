#include "merge/ValueCarry.h"

#include "document/MessageValue.h"
#include "document/SettingsComparison.h"
#include "document/ValueCodec.h"
#include "lines/DocumentValueChecker.h"

#include <QHash>

namespace {
using Setting = SettingsModel::Setting;
using FlagState = ValueCodec::FlagState;

const QString kValue = QStringLiteral("value");

QString stateWord(FlagState state)
{
    return state == FlagState::Set     ? QStringLiteral("set")
           : state == FlagState::Clear ? QStringLiteral("clear")
                                       : QStringLiteral("undetermined");
}

// Item index by key; of two items with one key the first counts.
QHash<QString, int> itemsByKey(const Setting& setting)
{
    QHash<QString, int> byKey;
    for (int i = setting.items.size() - 1; i >= 0; --i)
        byKey.insert(setting.items.at(i).key, i);
    return byKey;
}
} // namespace

ValueCarry::Result ValueCarry::carry(const Setting& from, const Setting& onto,
                                     const SymbolTable& ontoSymbols)
{
    Result result;
    QString value = from.value;
    if (from.kind != onto.kind) {
        if (from.value == onto.value)
            return result;
        result.outcome = Outcome::Refused;
        result.reason = QStringLiteral("value ") + MessageValue::quoted(from.value) +
                        QStringLiteral(" is of another kind: ") + typeLineWord(from.kind) +
                        QStringLiteral(", here ") + typeLineWord(onto.kind);
        return result;
    }
    if (onto.kind == xmlFlags && !from.items.isEmpty() && !onto.items.isEmpty())
        value = carriedFlags(from, onto, result);
    else if (onto.kind == xmlnumber && SettingsComparison::sameNumber(value, onto.value))
        value = onto.value;
    if (value == onto.value)
        return result;
    // Checked in place, as the line would check it, and put back if refused.
    const bool hadValue = onto.element.hasAttribute(kValue);
    QDomElement element = onto.element;
    element.setAttribute(kValue, value);
    const QString problem = DocumentValueChecker::problemOf(element, ontoSymbols);
    if (!problem.isEmpty()) {
        if (hadValue)
            element.setAttribute(kValue, onto.value);
        else
            element.removeAttribute(kValue);
        result.outcome = Outcome::Refused;
        result.reason = problem;
        return result;
    }
    result.outcome = Outcome::Carried;
    return result;
}

// The target's value with the states of the items the source determines;
// the target's own value when none of them differs. Written whole, one
// "key:digit" per item in the target's order, as the line writes it.
QString ValueCarry::carriedFlags(const Setting& from, const Setting& onto, Result& result)
{
    const QVector<FlagState> statesFrom = ValueCodec::flagsStates(from.value, from.itemKeys());
    const QVector<FlagState> statesOnto = ValueCodec::flagsStates(onto.value, onto.itemKeys());
    const QHash<QString, int> fromByKey = itemsByKey(from);
    const QHash<QString, int> ontoByKey = itemsByKey(onto);
    for (int i = 0; i < from.items.size(); ++i) {
        if (!ontoByKey.contains(from.items.at(i).key))
            result.sourceOnly.append(
                {from.items.at(i).name, from.items.at(i).key, stateWord(statesFrom.at(i))});
    }
    QVector<ValueCodec::FlagWrite> writes;
    bool changed = false;
    for (int j = 0; j < onto.items.size(); ++j) {
        const QString& key = onto.items.at(j).key;
        FlagState state = statesOnto.at(j);
        const int i = fromByKey.value(key, -1);
        if (i < 0) {
            result.targetOnly.append({onto.items.at(j).name, key, stateWord(state)});
        } else if (statesFrom.at(i) != FlagState::Undetermined && statesFrom.at(i) != state) {
            state = statesFrom.at(i);
            changed = true;
        }
        writes.append({key, state == FlagState::Set ? 1 : 0});
    }
    return changed ? ValueCodec::flagsWithDigits(QString(), writes) : onto.value;
}
