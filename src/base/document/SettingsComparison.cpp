#include "document/SettingsComparison.h"

#include "document/SettingsMatch.h"
#include "document/ValueCodec.h"

#include <QDomDocument>
#include <QMap>

using Setting = SettingsModel::Setting;
using Difference = SettingsComparison::Difference;

namespace {
QString shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("\"\"") : text;
}

QString itemsText(const Setting& setting)
{
    QStringList items;
    for (const SettingsModel::Item& item : setting.items)
        items.append(item.name + QStringLiteral(" (") + item.key + QLatin1Char(')'));
    return items.join(QStringLiteral(", "));
}

QString conditionsText(const Setting& setting)
{
    QStringList conditions;
    for (const SettingsModel::Condition& c : setting.conditions)
        conditions.append(c.s + QLatin1Char(' ') + c.o + QLatin1Char(' ') + c.v);
    return conditions.join(QStringLiteral("; "));
}

// The state each flags item shows once the value is loaded.
QStringList flagStates(const Setting& setting)
{
    QStringList words;
    for (ValueCodec::FlagState state : ValueCodec::flagsStates(setting.value, setting.itemKeys())) {
        words.append(state == ValueCodec::FlagState::Undetermined ? QStringLiteral("undetermined")
                     : state == ValueCodec::FlagState::Set        ? QStringLiteral("set")
                                                                  : QStringLiteral("clear"));
    }
    return words;
}

QString enumChoice(const Setting& setting)
{
    if (setting.value.isEmpty())
        return QString();
    for (int i = setting.items.size() - 1; i >= 0; --i) {
        if (setting.items.at(i).key == setting.value)
            return setting.items.at(i).name;
    }
    return setting.value + QStringLiteral(" (no such item)");
}

bool sameBit(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() == b.isEmpty();
    return ValueCodec::bitIsSet(a) == ValueCodec::bitIsSet(b);
}

// Flags compare item by item, matched by key: the changed items on each side.
bool flagsDiffer(const Setting& a, const Setting& b, QString& textA, QString& textB)
{
    const QStringList statesA = flagStates(a);
    const QStringList statesB = flagStates(b);
    QStringList changedA;
    QStringList changedB;
    for (int i = 0; i < a.items.size(); ++i) {
        for (int j = 0; j < b.items.size(); ++j) {
            if (b.items.at(j).key != a.items.at(i).key)
                continue;
            if (statesA.at(i) != statesB.at(j)) {
                changedA.append(a.items.at(i).name + QLatin1Char(' ') + statesA.at(i));
                changedB.append(b.items.at(j).name + QLatin1Char(' ') + statesB.at(j));
            }
            break;
        }
    }
    textA = changedA.join(QStringLiteral(", "));
    textB = changedB.join(QStringLiteral(", "));
    return !changedA.isEmpty();
}

bool valuesDiffer(const Setting& a, const Setting& b, bool exact, QString& textA, QString& textB)
{
    textA = shown(a.value);
    textB = shown(b.value);
    if (exact || a.kind != b.kind)
        return a.value != b.value;
    switch (a.kind) {
    case xmlnumber:
        return !SettingsComparison::sameNumber(a.value, b.value);
    case xmlFlags:
        if (a.items.isEmpty() || b.items.isEmpty())
            return a.value != b.value;
        return flagsDiffer(a, b, textA, textB);
    case xmlenum:
        textA = shown(enumChoice(a));
        textB = shown(enumChoice(b));
        return textA != textB;
    case xmlbit:
        return !sameBit(a.value, b.value);
    default:
        return a.value != b.value;
    }
}

struct Declared
{
    QString field;
    QString a;
    QString b;
    bool same;
};

QVector<Declared> declarations(const Setting& a, const Setting& b)
{
    const auto exponent = [](const Setting& s) {
        return s.hasExponent ? shown(s.e) : QStringLiteral("(none)");
    };
    return {
        {"kind", typeLineWord(a.kind), typeLineWord(b.kind), a.kind == b.kind},
        {"measure", shown(a.measure), shown(b.measure), a.measure == b.measure},
        {"min", shown(a.min), shown(b.min), SettingsComparison::sameNumber(a.min, b.min)},
        {"max", shown(a.max), shown(b.max), SettingsComparison::sameNumber(a.max, b.max)},
        {"e", exponent(a), exponent(b),
         a.hasExponent == b.hasExponent && (!a.hasExponent || a.e.toInt() == b.e.toInt())},
        {"lenMax", shown(a.lenMax), shown(b.lenMax), a.lenMax == b.lenMax},
        {"letters", shown(a.letters), shown(b.letters), a.letters == b.letters},
        {"key", shown(a.key), shown(b.key), a.key == b.key},
        {"items", shown(itemsText(a)), shown(itemsText(b)), itemsText(a) == itemsText(b)},
        {"conditions", shown(conditionsText(a)), shown(conditionsText(b)),
         conditionsText(a) == conditionsText(b)},
    };
}

// An element as written, but for its name and for the containers and
// settings below it, which are compared where the walk takes them (a
// container inside a `hideConds` that the walk passes over is left out too).
struct Markup
{
    QString tag;
    QMap<QString, QString> attributes;
    QString elements;
};

// The document element's markup, then each container's and setting's in the
// model's order.
struct DocumentMarkup
{
    Markup document;
    QVector<Markup> containers;
    QVector<Markup> settings;
};

bool takenByTheWalk(const QDomElement& element)
{
    const QString tag = element.tagName();
    return tag == QLatin1String("container") ||
           (tag == QLatin1String("signal") &&
            element.parentNode().toElement().tagName() == QLatin1String("container"));
}

QMap<QString, QString> attributesOf(const QDomElement& element)
{
    const QDomNamedNodeMap attributes = element.attributes();
    QMap<QString, QString> byName;
    for (int i = 0; i < attributes.count(); ++i)
        byName.insert(attributes.item(i).nodeName(), attributes.item(i).nodeValue());
    return byName;
}

QString attributesText(const QDomElement& element)
{
    const QMap<QString, QString> sorted = attributesOf(element);
    QString text;
    for (auto it = sorted.cbegin(); it != sorted.cend(); ++it)
        text += QLatin1Char(' ') + it.key() + QStringLiteral("=\"") + it.value() + QLatin1Char('"');
    return text;
}

// The elements below `top` as markup with sorted attributes; without a
// recursion, as a document may nest deeper than the stack goes.
QString elementsText(const QDomElement& top)
{
    QString text;
    QDomNode node = top.firstChild();
    while (!node.isNull()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && !takenByTheWalk(element)) {
            text += QLatin1Char('<') + element.tagName() + attributesText(element);
            if (!element.firstChildElement().isNull()) {
                text += QLatin1Char('>');
                node = element.firstChildElement();
                continue;
            }
            text += QStringLiteral("/>");
        }
        while (node.nextSibling().isNull() && node.parentNode() != top) {
            node = node.parentNode();
            text += QStringLiteral("</") + node.toElement().tagName() + QLatin1Char('>');
        }
        node = node.nextSibling();
    }
    return text;
}

Markup markupOf(const QDomElement& element, bool named)
{
    Markup markup{element.tagName(), attributesOf(element), elementsText(element)};
    if (named)
        markup.attributes.remove(QStringLiteral("name"));
    return markup;
}

// The markup of the elements the model took, in its order.
DocumentMarkup documentMarkup(const SettingsModel& model, const QDomDocument& document)
{
    DocumentMarkup markup;
    markup.document = markupOf(document.documentElement(), false);
    for (const SettingsModel::Container& container : model.containers)
        markup.containers.append(markupOf(container.element, true));
    for (const SettingsModel::Setting& setting : model.settings)
        markup.settings.append(markupOf(setting.element, true));
    return markup;
}

QString written(const QMap<QString, QString>& attributes, const QString& name)
{
    return attributes.contains(name) ? shown(attributes.value(name)) : QStringLiteral("(none)");
}

// What differs as written, as declarations: the tag, each attribute (of
// `value` only whether it is there; its text is compared as the value) and
// the elements below.
QVector<Declared> markupDifferences(const Markup& a, const Markup& b)
{
    QVector<Declared> differences;
    if (a.tag != b.tag)
        differences.append({QStringLiteral("element"), a.tag, b.tag, false});
    QMap<QString, QString> names = a.attributes;
    names.insert(b.attributes);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        const QString& name = it.key();
        const bool sameText =
            name == QLatin1String("value") || a.attributes.value(name) == b.attributes.value(name);
        if (!sameText || a.attributes.contains(name) != b.attributes.contains(name))
            differences.append(
                {name, written(a.attributes, name), written(b.attributes, name), false});
    }
    if (a.elements != b.elements)
        differences.append(
            {QStringLiteral("elements"), shown(a.elements), shown(b.elements), false});
    return differences;
}

Difference::Visibility visibility(bool hiddenA, bool hiddenB)
{
    return hiddenA && hiddenB ? Difference::Hidden
           : hiddenA          ? Difference::HiddenInA
           : hiddenB          ? Difference::HiddenInB
                              : Difference::Shown;
}
} // namespace

// Walks the matched containers and settings of the two sides and collects
// the differences in their order.
class SettingsComparison::Matcher
{
public:
    // With the markup of both sides, values and declarations compare as
    // written.
    Matcher(const SettingsModel& a, const SettingsModel& b, bool includeHidden,
            const DocumentMarkup* markupA = nullptr, const DocumentMarkup* markupB = nullptr)
        : m_A(a), m_B(b), m_Match(a, b), m_IncludeHidden(includeHidden), m_MarkupA(markupA),
          m_MarkupB(markupB)
    {
    }

    QVector<Difference> run()
    {
        compareDocuments();
        for (int ca = 0; ca < m_A.containers.size(); ++ca) {
            const int cb = m_Match.containerInB(ca);
            if (cb < 0)
                continue;
            if (m_MarkupA)
                compareContainerMarkup(ca, cb);
            for (int sa : m_Match.settingsOfA(ca)) {
                const int sb = m_Match.settingInB(sa);
                if (sb >= 0)
                    compareSetting(sa, sb);
            }
        }
        oneSided(Difference::OnlyInA);
        oneSided(Difference::OnlyInB);
        return m_Differences;
    }

private:
    void compareDocuments()
    {
        if (m_MarkupA) {
            for (const Declared& declared :
                 markupDifferences(m_MarkupA->document, m_MarkupB->document))
                add(Difference::Document, {}, {}, declared.field, declared.a, declared.b,
                    Difference::Shown);
            return;
        }
        if (ValueCodec::formatVersionByte(m_A.formatVerMaj) !=
            ValueCodec::formatVersionByte(m_B.formatVerMaj))
            add(Difference::Document, {}, {}, QStringLiteral("formatVerMaj"),
                shown(m_A.formatVerMaj), shown(m_B.formatVerMaj), Difference::Shown);
        if (m_A.symbols != m_B.symbols)
            add(Difference::Document, {}, {}, QStringLiteral("symbols"),
                shown(m_A.symbols.join(QLatin1Char(' '))),
                shown(m_B.symbols.join(QLatin1Char(' '))), Difference::Shown);
    }

    void compareContainerMarkup(int ca, int cb)
    {
        const Difference::Visibility hidden =
            visibility(m_A.containers.at(ca).hidden, m_B.containers.at(cb).hidden);
        if (hidden == Difference::Hidden && !m_IncludeHidden)
            return;
        for (const Declared& declared :
             markupDifferences(m_MarkupA->containers.at(ca), m_MarkupB->containers.at(cb)))
            add(Difference::Declaration, m_A.containers.at(ca).path, QString(), declared.field,
                declared.a, declared.b, hidden, true);
    }

    void compareSetting(int sa, int sb)
    {
        const Setting& a = m_A.settings.at(sa);
        const Setting& b = m_B.settings.at(sb);
        const Difference::Visibility hidden = visibility(a.hidden, b.hidden);
        if (hidden == Difference::Hidden && !m_IncludeHidden)
            return;
        const QString& path = m_A.containers.at(a.container).path;
        const QString& label = m_Match.labelOfA(sa);
        const QVector<Declared> declared =
            m_MarkupA ? markupDifferences(m_MarkupA->settings.at(sa), m_MarkupB->settings.at(sb))
                      : declarations(a, b);
        for (const Declared& declaration : declared) {
            if (!declaration.same)
                add(Difference::Declaration, path, label, declaration.field, declaration.a,
                    declaration.b, hidden);
        }
        QString textA;
        QString textB;
        if (valuesDiffer(a, b, m_MarkupA != nullptr, textA, textB))
            add(Difference::Value, path, label, QString(), textA, textB, hidden);
    }

    // What only one side has: a container whose enclosing container the
    // other side has (everything inside a missing container is missing with
    // it), and the settings the other side lacks in the containers both have.
    void oneSided(Difference::Kind kind)
    {
        const bool sideA = kind == Difference::OnlyInA;
        const SettingsModel& side = sideA ? m_A : m_B;
        for (int c = 0; c < side.containers.size(); ++c) {
            const SettingsModel::Container& container = side.containers.at(c);
            const auto other = [&](int ownContainer) {
                return sideA ? m_Match.containerInB(ownContainer)
                             : m_Match.containerInA(ownContainer);
            };
            if (other(c) < 0) {
                const int parent = container.parent;
                if ((parent < 0 || other(parent) >= 0) && (m_IncludeHidden || !container.hidden))
                    add(kind, container.path, QString(), QString(), QString(), QString(),
                        container.hidden ? Difference::Hidden : Difference::Shown, true);
                continue;
            }
            for (int s : sideA ? m_Match.settingsOfA(c) : m_Match.settingsOfB(c)) {
                const Setting& setting = side.settings.at(s);
                const int match = sideA ? m_Match.settingInB(s) : m_Match.settingInA(s);
                if (match >= 0 || (setting.hidden && !m_IncludeHidden))
                    continue;
                const QString value =
                    m_MarkupA ? shown(setting.value) : SettingsComparison::valueText(setting);
                add(kind, container.path, sideA ? m_Match.labelOfA(s) : m_Match.labelOfB(s),
                    QString(), sideA ? value : QString(), sideA ? QString() : value,
                    setting.hidden ? Difference::Hidden : Difference::Shown);
            }
        }
    }

    void add(Difference::Kind kind, const QString& path, const QString& label, const QString& field,
             const QString& a, const QString& b, Difference::Visibility hidden,
             bool container = false)
    {
        Difference difference;
        difference.kind = kind;
        difference.container = container;
        difference.path = path;
        difference.label = label;
        difference.field = field;
        difference.a = a;
        difference.b = b;
        difference.hidden = hidden;
        m_Differences.append(difference);
    }

    const SettingsModel& m_A;
    const SettingsModel& m_B;
    const SettingsMatch m_Match;
    const bool m_IncludeHidden;
    const DocumentMarkup* const m_MarkupA;
    const DocumentMarkup* const m_MarkupB;
    QVector<Difference> m_Differences;
};

QVector<Difference> SettingsComparison::compare(const SettingsModel& a, const SettingsModel& b,
                                                bool includeHidden)
{
    return Matcher(a, b, includeHidden).run();
}

QVector<Difference> SettingsComparison::compare(const QDomDocument& a, const QDomDocument& b,
                                                bool includeHidden, Mode mode)
{
    const SettingsModel modelA = SettingsModel::of(a);
    const SettingsModel modelB = SettingsModel::of(b);
    if (mode == Mode::ByMeaning)
        return compare(modelA, modelB, includeHidden);
    const DocumentMarkup markupA = documentMarkup(modelA, a);
    const DocumentMarkup markupB = documentMarkup(modelB, b);
    return Matcher(modelA, modelB, includeHidden, &markupA, &markupB).run();
}

bool SettingsComparison::sameNumber(const QString& a, const QString& b)
{
    QString canonicalA;
    QString canonicalB;
    if (ValueCodec::canonicalDecimal(a, canonicalA) && ValueCodec::canonicalDecimal(b, canonicalB))
        return canonicalA == canonicalB;
    return a == b;
}

QString SettingsComparison::valueText(const Setting& setting)
{
    if (setting.kind == xmlFlags && !setting.items.isEmpty()) {
        const QStringList states = flagStates(setting);
        QStringList items;
        for (int i = 0; i < setting.items.size(); ++i)
            items.append(setting.items.at(i).name + QLatin1Char(' ') + states.at(i));
        return items.join(QStringLiteral(", "));
    }
    if (setting.kind == xmlenum)
        return shown(enumChoice(setting));
    return shown(setting.value);
}

bool SettingsComparison::sameValue(const Setting& a, const Setting& b)
{
    QString textA;
    QString textB;
    return !valuesDiffer(a, b, false, textA, textB);
}
