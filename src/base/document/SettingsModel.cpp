#include "document/SettingsModel.h"

#include "document/DocumentWalk.h"
#include "document/SymbolTable.h"
#include "document/ValueCodec.h"

#include <QDomDocument>
#include <QHash>

#include <algorithm>
#include <deque>
#include <numeric>
#include <utility>

namespace {
// The check state of each button of a source line once its value is loaded:
// pairs (object name, checked). Radio buttons start unchosen, and of several
// with the value's key only the last stays chosen.
QVector<std::pair<QString, bool>> buttonStates(const SettingsModel::Setting& setting)
{
    QVector<std::pair<QString, bool>> buttons;
    switch (setting.kind) {
    case xmlFlags: {
        const QVector<ValueCodec::FlagState> states =
            ValueCodec::flagsStates(setting.value, setting.itemKeys());
        for (int i = 0; i < setting.items.size(); ++i)
            buttons.append({setting.items.at(i).key, states.at(i) == ValueCodec::FlagState::Set});
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
        buttons.append({QString(), ValueCodec::bitIsSet(setting.value)});
        break;
    default:
        break;
    }
    return buttons;
}
} // namespace

class SettingsModel::Builder : public DocumentWalk<const int>
{
public:
    Builder(SettingsModel& model, const SymbolTable& symbols) : m_Model(model), m_Symbols(symbols)
    {
    }

protected:
    const int* takeContainer(const QDomElement& element, const int* parent) override
    {
        Container container;
        container.element = element;
        container.parent = parent ? *parent : -1;
        container.name = element.attribute(QStringLiteral("name"));
        QString name = container.name;
        const int seen = ++m_Siblings[{container.parent, name}];
        if (seen > 1)
            name += QLatin1Char('#') + QString::number(seen);
        container.path =
            parent ? m_Model.containers.at(*parent).path + QLatin1Char('/') + name : name;
        m_Model.containers.append(container);
        m_Indexes.push_back(m_Model.containers.size() - 1);
        return &m_Indexes.back();
    }

    void takeSetting(const QDomElement& signal, const int* container) override
    {
        const auto attribute = [&signal](const char* name) {
            return signal.attribute(QLatin1String(name));
        };
        Setting setting;
        setting.element = signal;
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
        m_Model.walkMessages += lineFaults(signal, m_Symbols);
        const QDomElement conditions = settingConditions(signal);
        setting.conditions = conditionsOf(conditions);
        if (!conditions.isNull())
            m_Model.conditionLists.append(conditions);
        m_Model.settings.append(setting);
    }

    void refuseSetting(const QDomElement& signal) override
    {
        m_Model.walkMessages.append(orphanSetting(signal));
    }

    void takeContainerConditions(const QDomElement& hideConds, const int* container) override
    {
        m_Model.containers[*container].conditions += conditionsOf(hideConds);
        m_Model.conditionLists.append(hideConds);
    }

private:
    SettingsModel& m_Model;
    const SymbolTable& m_Symbols;
    std::deque<int> m_Indexes;
    QHash<std::pair<int, QString>, int> m_Siblings;
};

QVector<SettingsModel::Condition> SettingsModel::conditionsOf(const QDomElement& hideConds)
{
    QVector<SettingsModel::Condition> conditions;
    for (QDomElement c = hideConds.firstChildElement(QStringLiteral("c")); !c.isNull();
         c = c.nextSiblingElement(QStringLiteral("c"))) {
        Condition condition;
        condition.s = c.attribute(QStringLiteral("s"));
        condition.o = c.attribute(QStringLiteral("o"));
        condition.v = c.attribute(QStringLiteral("v"));
        condition.op = ConditionDecision::operatorOf(condition.o);
        condition.value = condition.v.toInt();
        condition.line = c.lineNumber();
        conditions.append(condition);
    }
    return conditions;
}

QStringList SettingsModel::Setting::itemKeys() const
{
    QStringList keys;
    for (const Item& item : items)
        keys << item.key;
    return keys;
}

QString SettingsModel::captionOf(const QDomElement& signal)
{
    QString caption = signal.attribute(QStringLiteral("name"));
    const QString measure = signal.attribute(QStringLiteral("measure"));
    if (!measure.isEmpty())
        caption += QStringLiteral(", ") + measure;
    return caption;
}

QVector<SettingsModel::Item> SettingsModel::itemsOf(const QDomElement& signal)
{
    QVector<Item> items;
    const QDomElement first = signal.firstChildElement(QStringLiteral("namedValues"))
                                  .firstChildElement(QStringLiteral("item"));
    for (QDomNode node = first; !node.isNull() && node.isElement(); node = node.nextSibling()) {
        const QDomElement item = node.toElement();
        items.append(
            {item.attribute(QStringLiteral("name")), item.attribute(QStringLiteral("key"))});
    }
    return items;
}

namespace {
const QString kLineNumber = QStringLiteral("Номер строки =");

SettingsModel::Message elementFault(const QString& title, const QString& textHead,
                                    const QDomElement& signal)
{
    return {title, textHead + kLineNumber + QString::number(signal.lineNumber())};
}

// The sets of characters a string's hint lists, by their symbol codes.
bool lettersKnown(int code)
{
    return code >= 1 && code <= 5;
}

bool actsAsSource(TypeLine kind)
{
    return kind == xmlnumber || kind == xmlFlags || kind == xmlenum || kind == xmlbit;
}
} // namespace

QVector<SettingsModel::Message> SettingsModel::lineFaults(const QDomElement& signal,
                                                          const SymbolTable& symbols)
{
    QVector<Message> faults;
    const TypeLine kind = typeLineFromType(signal.attribute(QStringLiteral("type")));
    if (kind == xmlnotset || kind == xmlunknown)
        faults.append(elementFault(QStringLiteral("Error contains,"),
                                   QStringLiteral("Unknown type. "), signal));
    if (kind == xmlFlags || kind == xmlenum) {
        const QDomElement namedValues = signal.firstChildElement(QStringLiteral("namedValues"));
        if (namedValues.isNull()) {
            faults.append(elementFault(QStringLiteral("Error contains"),
                                       kind == xmlFlags
                                           ? QStringLiteral(" (\"namedValues\") in flags. ")
                                           : QStringLiteral("(\"namedValues\") in flags. "),
                                       signal));
        } else if (namedValues.firstChildElement(QStringLiteral("item")).isNull()) {
            faults.append(elementFault(QStringLiteral("Error contains"),
                                       QStringLiteral("(\"item\") in namedValues. "), signal));
        } else {
            for (const Item& item : itemsOf(signal)) {
                if (item.key.isEmpty())
                    faults.append(elementFault(QStringLiteral("In item"),
                                               QStringLiteral("not found \"key\". "), signal));
            }
        }
    }
    // The hint names the letters only without limits and with a length.
    const QString letters = signal.attribute(QStringLiteral("letters"));
    if (!letters.isEmpty() && signal.hasAttribute(QStringLiteral("lenMax")) &&
        !(signal.hasAttribute(QStringLiteral("min")) &&
          signal.hasAttribute(QStringLiteral("max"))) &&
        !lettersKnown(symbols.symbolCode(letters)))
        faults.append(
            elementFault(QStringLiteral("Error attribute(\"letters\")"), QString(), signal));
    return faults;
}

SettingsModel::Message SettingsModel::orphanSetting(const QDomElement& signal)
{
    return {QStringLiteral("Ошибка разбора файла"),
            signal.attribute(QStringLiteral("name")) +
                QStringLiteral(", большая ошибка <signal> без <container>")};
}

SettingsModel::Message SettingsModel::conditionSourceFault()
{
    return {QStringLiteral("Error HideConds::createSignal"), QStringLiteral("Not know")};
}

SettingsModel::Message SettingsModel::unknownKindAtLoad(const QDomElement& signal)
{
    return elementFault(QStringLiteral("Error slotLoadFromDom m_TypeLine = ") +
                            typeLineName(xmlunknown),
                        QString(), signal);
}

QVector<SettingsModel::Message> SettingsModel::loadMessages() const
{
    QVector<Message> messages = walkMessages;
    // The screens list the settings container by container.
    QVector<int> screenOrder(settings.size());
    std::iota(screenOrder.begin(), screenOrder.end(), 0);
    std::stable_sort(screenOrder.begin(), screenOrder.end(), [this](int x, int y) {
        return settings.at(x).container < settings.at(y).container;
    });
    // Each source is wired to the conditions that name its key, first the
    // settings' conditions, then the containers'.
    QHash<QString, int> settingConditionCount;
    for (const Setting& setting : settings) {
        for (const Condition& condition : setting.conditions)
            ++settingConditionCount[condition.s];
    }
    QHash<QString, int> containerConditionCount;
    for (const Container& container : containers) {
        for (const Condition& condition : container.conditions)
            ++containerConditionCount[condition.s];
    }
    for (const QHash<QString, int>* counts : {&settingConditionCount, &containerConditionCount}) {
        for (int index : screenOrder) {
            const Setting& source = settings.at(index);
            if (!actsAsSource(source.kind))
                messages.insert(messages.size(), counts->value(source.key), conditionSourceFault());
        }
    }
    for (int index : screenOrder) {
        if (settings.at(index).kind == xmlunknown || settings.at(index).kind == xmlnotset)
            messages.append(unknownKindAtLoad(settings.at(index).element));
    }
    return messages;
}

bool SettingsModel::buttonChecked(int checkState)
{
    return checkState == 2;
}

SettingsModel SettingsModel::of(const QDomDocument& document)
{
    SettingsModel model;
    const QDomElement root = document.documentElement();
    model.formatVerMaj = root.attribute(QStringLiteral("formatVerMaj"));
    SymbolTable symbols;
    symbols.loadSymbols(root);
    for (const auto& [code, name] : symbols.symbols())
        model.symbols.append(name + QLatin1Char('=') + QString::number(code));
    model.symbols.sort();
    Builder(model, symbols).walk(root, nullptr, false);
    model.decideVisibility();
    return model;
}

// Right after a load the editor has wired every condition to each line whose
// key is the condition's `s` and decided it once against the loaded values;
// a target is hidden while its count of holding conditions (eight bits, as
// the editor keeps it) is not zero.
void SettingsModel::decideVisibility()
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

bool SettingsModel::conditionHolds(const Condition& condition, const Setting& source) const
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
