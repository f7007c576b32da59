#include "conditions/ConditionLint.h"

#include "conditions/ConditionDecision.h"
#include "document/MessageValue.h"
#include "document/SettingsModel.h"

#include <QDomDocument>
#include <QSet>

QList<ConditionLint::Finding> ConditionLint::findings(const QDomDocument& document)
{
    return findings(SettingsModel::of(document));
}

QList<ConditionLint::Finding> ConditionLint::findings(const SettingsModel& loaded)
{
    QSet<QString> keys;
    for (const SettingsModel::Setting& setting : loaded.settings)
        keys.insert(setting.key);
    QList<Finding> found;
    for (const QDomElement& list : loaded.conditionLists) {
        for (const SettingsModel::Condition& c : SettingsModel::conditionsOf(list)) {
            if (!keys.contains(c.s))
                found.append({c.line, QStringLiteral("condition s=\"%1\" matches no setting's key")
                                          .arg(MessageValue::shortened(c.s))});
            if (c.op == ConditionDecision::NoOperator)
                found.append({c.line, QStringLiteral("condition o=\"%1\" names no operator")
                                          .arg(MessageValue::shortened(c.o))});
        }
    }
    return found;
}
