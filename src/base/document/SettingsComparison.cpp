#include "document/SettingsComparison.h"

#include "document/ValueCodec.h"

#include <QDomDocument>
#include <QHash>
#include <QMap>
#include <QSet>

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

// Matches the containers and settings of the two sides and collects the
// differences in their order.
class SettingsComparison::Matcher
{
public:
    // With the markup of both sides, values and declarations compare as
    // written.
    Matcher(const SettingsModel& a, const SettingsModel& b, bool includeHidden,
            const DocumentMarkup* markupA = nullptr, const DocumentMarkup* markupB = nullptr)
        : m_A(a), m_B(b), m_IncludeHidden(includeHidden), m_MarkupA(markupA), m_MarkupB(markupB),
          m_LabelsA(a.settings.size()), m_LabelsB(b.settings.size())
    {
        indexSide(a, m_PathsA, m_SettingsA);
        indexSide(b, m_PathsB, m_SettingsB);
        for (int ca = 0; ca < a.containers.size(); ++ca) {
            const int cb = m_PathsB.value(a.containers.at(ca).path, -1);
            if (cb >= 0)
                label(m_SettingsA.at(ca), m_SettingsB.at(cb));
        }
    }

    QVector<Difference> run()
    {
        compareDocuments();
        for (int ca = 0; ca < m_A.containers.size(); ++ca) {
            const int cb = m_PathsB.value(m_A.containers.at(ca).path, -1);
            if (cb >= 0 && m_MarkupA)
                compareContainerMarkup(ca, cb);
            if (cb >= 0)
                compareContainer(m_SettingsA.at(ca), m_SettingsB.at(cb));
        }
        oneSided(m_A, m_LabelsA, m_SettingsA, m_PathsB, m_LabelledB, Difference::OnlyInA);
        oneSided(m_B, m_LabelsB, m_SettingsB, m_PathsA, m_LabelledA, Difference::OnlyInB);
        return m_Differences;
    }

private:
    static void indexSide(const SettingsModel& side, QHash<QString, int>& paths,
                          QVector<QVector<int>>& settings)
    {
        settings.resize(side.containers.size());
        for (int c = 0; c < side.containers.size(); ++c)
            paths.insert(side.containers.at(c).path, c);
        for (int s = 0; s < side.settings.size(); ++s)
            settings[side.settings.at(s).container].append(s);
    }

    void label(const QVector<int>& inA, const QVector<int>& inB)
    {
        QHash<QString, int> namesA;
        QHash<QString, int> namesB;
        for (int s : inA)
            ++namesA[m_A.settings.at(s).name];
        for (int s : inB)
            ++namesB[m_B.settings.at(s).name];
        const auto repeated = [&](const QString& name) {
            return namesA.value(name) > 1 || namesB.value(name) > 1;
        };
        labelSide(m_A, inA, repeated, m_LabelsA, m_LabelledA);
        labelSide(m_B, inB, repeated, m_LabelsB, m_LabelledB);
    }

    template <typename Repeated>
    static void labelSide(const SettingsModel& side, const QVector<int>& settings,
                          const Repeated& repeated, QVector<QString>& labels,
                          QSet<QString>& labelled)
    {
        QHash<QString, int> seen;
        for (int s : settings) {
            const Setting& setting = side.settings.at(s);
            QString label = setting.name;
            if (repeated(setting.name))
                label += QStringLiteral(" [") + setting.key + QLatin1Char(']');
            const int count = ++seen[label];
            if (count > 1)
                label += QStringLiteral(" #") + QString::number(count);
            labels[s] = label;
            labelled.insert(side.containers.at(setting.container).path + QLatin1Char('\n') + label);
        }
    }

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

    void compareContainer(const QVector<int>& inA, const QVector<int>& inB)
    {
        QHash<QString, int> byLabel;
        for (int s : inB)
            byLabel.insert(m_LabelsB.at(s), s);
        for (int sa : inA) {
            const int sb = byLabel.value(m_LabelsA.at(sa), -1);
            if (sb >= 0)
                compareSetting(sa, sb);
        }
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
        const QString& label = m_LabelsA.at(sa);
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

    void oneSided(const SettingsModel& side, const QVector<QString>& labels,
                  const QVector<QVector<int>>& settings, const QHash<QString, int>& otherPaths,
                  const QSet<QString>& otherLabelled, Difference::Kind kind)
    {
        const auto text = [kind](const QString& value) {
            return std::make_pair(kind == Difference::OnlyInA ? value : QString(),
                                  kind == Difference::OnlyInB ? value : QString());
        };
        for (int c = 0; c < side.containers.size(); ++c) {
            const SettingsModel::Container& container = side.containers.at(c);
            if (!otherPaths.contains(container.path)) {
                // Everything inside a missing container is missing with it.
                const int parent = container.parent;
                if ((parent < 0 || otherPaths.contains(side.containers.at(parent).path)) &&
                    (m_IncludeHidden || !container.hidden)) {
                    add(kind, container.path, QString(), QString(), QString(), QString(),
                        container.hidden ? Difference::Hidden : Difference::Shown, true);
                }
                continue;
            }
            for (int s : settings.at(c)) {
                const Setting& setting = side.settings.at(s);
                if (otherLabelled.contains(container.path + QLatin1Char('\n') + labels.at(s)) ||
                    (setting.hidden && !m_IncludeHidden))
                    continue;
                const auto [a, b] =
                    text(m_MarkupA ? shown(setting.value) : SettingsComparison::valueText(setting));
                add(kind, container.path, labels.at(s), QString(), a, b,
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
    const bool m_IncludeHidden;
    const DocumentMarkup* const m_MarkupA;
    const DocumentMarkup* const m_MarkupB;
    QHash<QString, int> m_PathsA;
    QHash<QString, int> m_PathsB;
    QVector<QVector<int>> m_SettingsA; // by container
    QVector<QVector<int>> m_SettingsB;
    QVector<QString> m_LabelsA; // by setting; empty in unmatched containers
    QVector<QString> m_LabelsB;
    QSet<QString> m_LabelledA; // "path\nlabel"
    QSet<QString> m_LabelledB;
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
