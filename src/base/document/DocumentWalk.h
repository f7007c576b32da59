#pragma once

#include <QDomElement>
#include <QDomNode>
#include <QString>
#include <QVector>

// The `hideConds` element that holds the conditions of a setting line: the
// first child of that name of its `signal`.
inline QDomElement settingConditions(const QDomElement& signal)
{
    return signal.firstChildElement(QStringLiteral("hideConds"));
}

// How the loader reads a settings document: which `container` elements
// become navigation items and under which parent, which `signal` elements
// become setting lines, which are refused for standing outside a container,
// and which `hideConds` a container takes. The loader builds its screens on
// this walk, and the checks that predict the loader (value checker,
// condition lint) walk the same way, so the two cannot drift apart.
//
// `Container` is what the walker makes of a container; the walk hands it
// back as the container of the settings and conditions found directly in
// it. Outside containers it is null: containers found inside elements of
// other names become top-level, and settings there are refused.
//
// The walk keeps its own stack, so it goes as deep as the document.
template <typename Container> class DocumentWalk
{
public:
    virtual ~DocumentWalk() = default;

    // Walks the children of `node`, in document order, and what the loader
    // walks below them. `container` is the container whose children these
    // are, or null; `start` tells whether a `hideConds` among them may still
    // belong to it.
    void walk(const QDomNode& node, Container* container, bool start)
    {
        visitNode(node);
        QVector<Level> levels{{node.firstChild(), container, start}};
        while (!levels.isEmpty()) {
            Level& level = levels.last();
            if (level.next.isNull()) {
                levels.removeLast();
                continue;
            }
            const QDomNode child = level.next;
            level.next = child.nextSibling();
            Level below;
            if (step(child, level, below)) {
                visitNode(child);
                levels.append(below);
            }
        }
    }

protected:
    // Every node the walk goes into, before its children (the root first).
    virtual void visitNode(const QDomNode& node) { Q_UNUSED(node); }
    // A container directly in `parent` (null outside containers); returns
    // what the walker makes of it, never null.
    virtual Container* takeContainer(const QDomElement& element, Container* parent) = 0;
    // A setting directly in `container`: it becomes a line.
    virtual void takeSetting(const QDomElement& signal, Container* container) = 0;
    // A setting outside any container: it gets no line.
    virtual void refuseSetting(const QDomElement& signal) { Q_UNUSED(signal); }
    // The `hideConds` element that holds `container`'s own conditions.
    virtual void takeContainerConditions(const QDomElement& hideConds, Container* container)
    {
        Q_UNUSED(hideConds);
        Q_UNUSED(container);
    }

private:
    struct Level
    {
        QDomNode next;        // the next child to take
        Container* container; // whose children these are, or null
        bool open;            // a hideConds here may still belong to `container`
    };

    // Takes `child` of the level; true when the walk goes into it with the
    // level `below`.
    bool step(const QDomNode& child, Level& level, Level& below)
    {
        const QDomElement element = child.toElement();
        const QString tag = element.isNull() ? QString() : element.tagName();
        // A container's hideConds counts only before its first signal or
        // hideConds, or right after a nested container.
        if (tag == QLatin1String("container")) {
            level.open = true;
            below = {child.firstChild(), takeContainer(element, level.container), true};
            return true;
        }
        if (tag == QLatin1String("signal")) {
            level.open = false;
            if (!level.container) {
                refuseSetting(element);
                return false;
            }
            takeSetting(element, level.container);
            // Nothing inside a setting is built, but containers there are.
            below = {child.firstChild(), nullptr, false};
            return true;
        }
        if (tag == QLatin1String("hideConds")) {
            const bool taken = level.open && level.container;
            level.open = false;
            if (!taken)
                return false;
            takeContainerConditions(element, level.container);
            below = {child.firstChild(), nullptr, false};
            return true;
        }
        below = {child.firstChild(), nullptr, level.open};
        return true;
    }
};
