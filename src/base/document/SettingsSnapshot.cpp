#include "document/SettingsSnapshot.h"

#include "document/DocumentWalk.h"
#include "document/SymbolTable.h"
#include "document/ValueCodec.h"

#include <QDomDocument>
#include <QHash>

#include <deque>
#include <utility>

namespace {
QVector<SettingsSnapshot::Condition> conditionsOf(const QDomElement& hideConds)
{
    QVector<SettingsSnapshot::Condition> conditions;
    for (QDomElement c = hideConds.firstChildElement(QStringLiteral("c")); !c.isNull();
         c = c.nextSiblingElement(QStringLiteral("c"))) {
        SettingsSnapshot::Condition condition;
        condition.s = c.attribute(QStringLiteral("s"));
        condition.o = c.attribute(QStringLiteral("o"));
        condition.v = c.attribute(QStringLiteral("v"));
        condition.op = ConditionDecision::operatorOf(condition.o);
        condition.value = condition.v.toInt();
        conditions.append(condition);
    }
    return conditions;
}

QVector<SettingsSnapshot::Item> itemsOf(const QDomElement& signal)
{
    QVector<SettingsSnapshot::Item> items;
    const QDomElement first = signal.firstChildElement(QStringLiteral("namedValues"))
                                  .firstChildElement(QStringLiteral("item"));
    // The list ends at the first node that is not an element, whatever its tag.
    for (QDomNode node = first; !node.isNull() && node.isElement(); node = node.nextSibling()) {
        const QDomElement item = node.toElement();
        items.append(
            {item.attribute(QStringLiteral("name")), item.attribute(QStringLiteral("key"))});
    }
    return items;
}

// The check state of each button of a source line once its value is loaded:
// pairs (object name, checked). Flags and bit boxes start undetermined, which
// counts as checked; radio buttons start unchosen, and of several with the
// value's key only the last stays chosen.
QVector<std::pair<QString, bool>> buttonStates(const SettingsSnapshot::Setting& setting)
{
    QVector<std::pair<QString, bool>> buttons;
    switch (setting.kind) {
    case xmlFlags: {
        const QVector<bool> states = ValueCodec::flagsStates(setting.value, setting.items.size());
        for (int i = 0; i < setting.items.size(); ++i)
            buttons.append({setting.items.at(i).key, i < states.size() ? states.at(i) : true});
        break;
    }
    case xmlenum: {
        int chosen = -1;
        for (int i = 0; i < setting.items.size(); ++i) {
            if (!setting.value.isEmpty() && setting.items.at(i).key == setting.value)
                chosen = i;
        }
        for (int i = 0; i < setting.items.size(); ++i)
            buttons.append({setting.items.at(i).key, i == chosen});
        break;
    }
    case xmlbit:
        buttons.append({QString(), setting.value.isEmpty() || ValueCodec::bitIsSet(setting.value)});
        break;
    default:
        break;
    }
    return buttons;
}
} // namespace

class SettingsSnapshot::Builder : public DocumentWalk<const int>
{
public:
    explicit Builder(SettingsSnapshot& snapshot) : m_Snapshot(snapshot) {}

protected:
    const int* takeContainer(const QDomElement& element, const int* parent) override
    {
        Container container;
        container.parent = parent ? *parent : -1;
        QString name = element.attribute(QStringLiteral("name"));
        const int seen = ++m_Siblings[{container.parent, name}];
        if (seen > 1)
            name += QLatin1Char('#') + QString::number(seen);
        container.path =
            parent ? m_Snapshot.containers.at(*parent).path + QLatin1Char('/') + name : name;
        m_Snapshot.containers.append(container);
        m_Indexes.push_back(m_Snapshot.containers.size() - 1);
        return &m_Indexes.back();
    }

    void takeSetting(const QDomElement& signal, const int* container) override
    {
        const auto attribute = [&signal](const char* name) {
            return signal.attribute(QLatin1String(name));
        };
        Setting setting;
        setting.container = *container;
        setting.name = attribute("name");
        setting.key = attribute("key");
        setting.kind = typeLineFromType(attribute("type"));
        setting.value = attribute("value");
        setting.measure = attribute("measure");
        setting.min = attribute("min");
        setting.max = attribute("max");
        setting.hasExponent = signal.hasAttribute(QStringLiteral("e"));
        setting.e = attribute("e");
        setting.lenMax = attribute("lenMax");
        setting.letters = attribute("letters");
        if (setting.kind == xmlFlags || setting.kind == xmlenum)
            setting.items = itemsOf(signal);
        setting.conditions = conditionsOf(settingConditions(signal));
        m_Snapshot.settings.append(setting);
    }

    void takeContainerConditions(const QDomElement& hideConds, const int* container) override
    {
        m_Snapshot.containers[*container].conditions += conditionsOf(hideConds);
    }

private:
    SettingsSnapshot& m_Snapshot;
    std::deque<int> m_Indexes;
    QHash<std::pair<int, QString>, int> m_Siblings;
};

SettingsSnapshot SettingsSnapshot::of(const QDomDocument& document)
{
    SettingsSnapshot snapshot;
    const QDomElement root = document.documentElement();
    snapshot.formatVerMaj = root.attribute(QStringLiteral("formatVerMaj"));
    SymbolTable symbols;
    symbols.loadSymbols(root);
    for (const auto& [code, name] : symbols.symbols())
        snapshot.symbols.append(name + QLatin1Char('=') + QString::number(code));
    snapshot.symbols.sort();
    Builder(snapshot).walk(root, nullptr, false);
    snapshot.decideVisibility();
    return snapshot;
}

// Right after a load the editor has wired every condition to each line whose
// key is the condition's `s` and decided it once against the loaded values;
// a target is hidden while its count of holding conditions (eight bits, as
// the editor keeps it) is not zero.
void SettingsSnapshot::decideVisibility()
{
    QHash<QString, QVector<int>> sources;
    for (int i = 0; i < settings.size(); ++i)
        sources[settings.at(i).key].append(i);
    const auto hiddenBy = [this, &sources](const QVector<Condition>& conditions) {
        quint8 holding = 0;
        for (const Condition& condition : conditions) {
            for (int source : sources.value(condition.s)) {
                if (conditionHolds(condition, settings.at(source)))
                    ++holding;
            }
        }
        return holding != 0;
    };
    // A parent comes before its children, so its state is known first.
    for (Container& container : containers) {
        container.hidden = hiddenBy(container.conditions) ||
                           (container.parent >= 0 && containers.at(container.parent).hidden);
    }
    for (Setting& setting : settings)
        setting.hidden = hiddenBy(setting.conditions) || containers.at(setting.container).hidden;
}

bool SettingsSnapshot::conditionHolds(const Condition& condition, const Setting& source) const
{
    bool holds = false;
    if (source.kind == xmlnumber) {
        const double x = ConditionDecision::numberSourceValue(source.value);
        return ConditionDecision::decideForNumber(condition.op, condition.value, x, holds) && holds;
    }
    // A button is picked by its object name read as a number; of several,
    // the last decides.
    const QVector<std::pair<QString, bool>> buttons = buttonStates(source);
    for (int i = buttons.size() - 1; i >= 0; --i) {
        if (buttons.at(i).first.toInt() == condition.value)
            return ConditionDecision::decideForCheck(condition.op, condition.value,
                                                     buttons.at(i).second, holds) &&
                   holds;
    }
    return false;
}
