#include "conditions/ConditionLint.h"

#include "conditions/ConditionReading.h"

#include <QDomDocument>
#include <QSet>

namespace {
const QString kContainer = QStringLiteral("container");
const QString kSignal = QStringLiteral("signal");
const QString kHideConds = QStringLiteral("hideConds");

bool isSettingLine(const QDomElement& element)
{
    return element.tagName() == kSignal && element.parentNode().toElement().tagName() == kContainer;
}

// Every element of the document, in document order, without recursion.
QList<QDomElement> allElements(const QDomDocument& document)
{
    QList<QDomElement> elements;
    QList<QDomElement> pending{document.documentElement()};
    while (!pending.isEmpty()) {
        const QDomElement element = pending.takeLast();
        if (element.isNull())
            continue;
        elements.append(element);
        QList<QDomElement> children;
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            children.append(child);
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            pending.append(*it);
    }
    return elements;
}

// A container's `hideConds` counts when the nearest `signal`, `container` or
// `hideConds` sibling before it is a container, or when there is none.
bool containerTakes(const QDomElement& hideConds)
{
    for (QDomElement before = hideConds.previousSiblingElement(); !before.isNull();
         before = before.previousSiblingElement()) {
        const QString tag = before.tagName();
        if (tag == kContainer)
            return true;
        if (tag == kSignal || tag == kHideConds)
            return false;
    }
    return true;
}

QList<QDomElement> readConditionLists(const QList<QDomElement>& elements)
{
    QList<QDomElement> lists;
    for (const QDomElement& element : elements) {
        if (isSettingLine(element)) {
            const QDomElement own = element.firstChildElement(kHideConds);
            if (!own.isNull())
                lists.append(own);
        } else if (element.tagName() == kHideConds &&
                   element.parentNode().toElement().tagName() == kContainer &&
                   containerTakes(element)) {
            lists.append(element);
        }
    }
    return lists;
}
} // namespace

QList<ConditionLint::Finding> ConditionLint::findings(const QDomDocument& document)
{
    const QList<QDomElement> elements = allElements(document);
    QSet<QString> keys;
    for (const QDomElement& element : elements) {
        if (isSettingLine(element))
            keys.insert(element.attribute(QStringLiteral("key")));
    }
    QList<Finding> found;
    for (const QDomElement& list : readConditionLists(elements)) {
        for (QDomElement c = list.firstChildElement(QStringLiteral("c")); !c.isNull();
             c = c.nextSiblingElement(QStringLiteral("c"))) {
            const QString s = c.attribute(QStringLiteral("s"));
            const QString o = c.attribute(QStringLiteral("o"));
            if (!keys.contains(s))
                found.append(
                    {c.lineNumber(),
                     QStringLiteral("condition s=\"%1\" matches no setting's key").arg(s)});
            if (conditionOperatorCode(o) < 0)
                found.append({c.lineNumber(),
                              QStringLiteral("condition o=\"%1\" names no operator").arg(o)});
        }
    }
    return found;
}
