#include "merge/SettingsCarry.h"

#include "document/LoadedDocument.h"
#include "document/MessageValue.h"
#include "document/SettingsMatch.h"
#include "document/SettingsModel.h"

namespace {
const QString kCarried = QStringLiteral("carried");
const QString kKept = QStringLiteral("kept");
const QString kRefused = QStringLiteral("refused");
const QString kDropped = QStringLiteral("dropped");

QString itemText(const ValueCarry::LoneItem& item)
{
    return QStringLiteral("item ") + item.name + QStringLiteral(" (") + item.key +
           QStringLiteral("): ") + item.state;
}
} // namespace

CarryReport SettingsCarry::carry(const SettingsModel& from, LoadedDocument& target)
{
    const SettingsModel& onto = target.model();
    const SymbolTable ontoSymbols = target.symbols();
    CarryReport report;
    report.declare({kCarried, kKept, kRefused, kDropped});
    const SettingsMatch match(from, onto);
    for (int s = 0; s < onto.settings.size(); ++s) {
        const int source = match.settingInA(s);
        if (source < 0) {
            report.count(kKept);
            continue;
        }
        const ValueCarry::Result result =
            ValueCarry::carry(from.settings.at(source), onto.settings.at(s), ontoSymbols);
        report.count(result.outcome == ValueCarry::Outcome::Carried ? kCarried
                     : result.outcome == ValueCarry::Outcome::Kept  ? kKept
                                                                    : kRefused);
        addLines(result, onto.containers.at(onto.settings.at(s).container).path, match.labelOfB(s),
                 report);
    }
    for (int s = 0; s < from.settings.size(); ++s) {
        if (match.settingInB(s) >= 0)
            continue;
        report.count(kDropped);
        const SettingsModel::Setting& setting = from.settings.at(s);
        addDropped(setting, from.containers.at(setting.container).path, match.labelOfA(s), report);
    }
    return report;
}

void SettingsCarry::addLines(const ValueCarry::Result& result, const QString& path,
                             const QString& label, CarryReport& report)
{
    if (result.outcome == ValueCarry::Outcome::Refused)
        report.add({kRefused, path, label, result.reason});
    for (const ValueCarry::LoneItem& item : result.sourceOnly)
        report.add({kDropped, path, label, itemText(item)});
    for (const ValueCarry::LoneItem& item : result.targetOnly)
        report.add({QStringLiteral("new"), path, label, itemText(item), false});
}

void SettingsCarry::addDropped(const SettingsModel::Setting& setting, const QString& path,
                               const QString& label, CarryReport& report)
{
    const QString value =
        setting.value.isEmpty() ? QStringLiteral("\"\"") : MessageValue::shortened(setting.value);
    report.add({kDropped, path, label, value});
}
