#include "conditions/ConditionLint.h"

#include "conditions/ConditionDecision.h"
#include "document/SettingsModel.h"
#include "document/MessageValue.h"

#include <QDomDocument>
#include <QSet>

QList<ConditionLint::Finding> ConditionLint::findings(const QDomDocument& document)
{
    const SettingsModel loaded = SettingsModel::of(document);
    QSet<QString> keys;
    for (const SettingsModel::Setting& setting : loaded.settings)
        keys.insert(setting.key);
    QList<Finding> found;
    for (const QDomElement& list : loaded.conditionLists) {
        for (QDomElement c = list.firstChildElement(QStringLiteral("c")); !c.isNull();
             c = c.nextSiblingElement(QStringLiteral("c"))) {
            const QString s = c.attribute(QStringLiteral("s"));
            const QString o = c.attribute(QStringLiteral("o"));
            if (!keys.contains(s))
                found.append(
                    {c.lineNumber(), QStringLiteral("condition s=\"%1\" matches no setting's key")
                                         .arg(MessageValue::shortened(s))});
            if (ConditionDecision::operatorOf(o) == ConditionDecision::NoOperator)
                found.append({c.lineNumber(), QStringLiteral("condition o=\"%1\" names no operator")
                                                  .arg(MessageValue::shortened(o))});
        }
    }
    return found;
}
