#include "document/LoadedElements.h"

#include "document/DocumentWalk.h"

#include <QDomDocument>

#include <deque>

namespace {
class ElementCollector : public DocumentWalk<const QDomElement>
{
public:
    explicit ElementCollector(LoadedElements& found) : m_Found(found) {}

protected:
    const QDomElement* takeContainer(const QDomElement& element, const QDomElement*) override
    {
        m_Containers.push_back(element);
        return &m_Containers.back();
    }

    void takeSetting(const QDomElement& signal, const QDomElement* container) override
    {
        m_Found.settings.append({signal, *container});
        const QDomElement conditions = settingConditions(signal);
        if (!conditions.isNull())
            m_Found.conditionLists.append(conditions);
    }

    void takeContainerConditions(const QDomElement& hideConds, const QDomElement*) override
    {
        m_Found.conditionLists.append(hideConds);
    }

private:
    LoadedElements& m_Found;
    // Stable addresses for the walk's container handles.
    std::deque<QDomElement> m_Containers;
};
} // namespace

LoadedElements LoadedElements::of(const QDomDocument& document)
{
    LoadedElements found;
    ElementCollector(found).walk(document.documentElement(), nullptr, false);
    return found;
}
