#include "conditions/HideCondsRegistry.h"

#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "conditions/SlotForHideConds.h"
#include "conditions/SlotForHideConds_Cont.h"
#include "dialogs/UserDialogs.h"
#include "lines/LineInBox.h"

#include <QAbstractButton>
#include <QDomElement>
#include <QLineEdit>
#include <QTreeWidget>

template <typename Target, typename Receiver>
void HideCondsRegistry<Target, Receiver>::connectConds()
{
    m_Wired.clear();
    if (!m_Tree || m_Conds.isEmpty())
        return;
    KeyIndex bySourceKey;
    for (int i = 0; i < m_Conds.size(); ++i)
        bySourceKey[m_Conds.at(i).s].append(i);
    for (int i = 0; i < m_Tree->topLevelItemCount(); ++i)
        connectItem(m_Tree->topLevelItem(i), bySourceKey);
}

template <typename Target, typename Receiver>
void HideCondsRegistry<Target, Receiver>::createSignal(Cond cond, LineInBox* source)
{
    auto* receiver = new Receiver(cond.op, cond.value, cond.target, source);
    m_Wired.append(receiver);
    switch (source->m_TypeLine) {
    case xmlnumber:
        if (auto* editor = source->m_Widgets.isEmpty()
                               ? nullptr
                               : qobject_cast<QLineEdit*>(source->m_Widgets.last()))
            receiver->listenTo(editor, *source->m_Element);
        return;
    case xmlFlags:
    case xmlenum:
    case xmlbit:
        // The item is picked by its key read as a number; a bit's box has
        // no key and so reads as 0.
        for (QWidget* widget : qAsConst(source->m_Widgets)) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button && widget->objectName().toInt() == cond.value)
                receiver->listenTo(button);
        }
        return;
    default: {
        const SettingsModel::Message fault = SettingsModel::conditionSourceFault();
        UserDialogs::about(nullptr, fault.title, fault.text);
    }
        return;
    }
}

template <typename Target, typename Receiver>
void HideCondsRegistry<Target, Receiver>::evaluateWired()
{
    for (const QPointer<Receiver>& receiver : qAsConst(m_Wired)) {
        if (receiver)
            receiver->evaluateNow();
    }
}

template <typename Target, typename Receiver>
void HideCondsRegistry<Target, Receiver>::connectItem(QTreeWidgetItem* treeItem,
                                                      const KeyIndex& bySourceKey)
{
    auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(treeItem);
    if (!item)
        return;
    for (BoxForLines* box : qAsConst(item->m_Boxes)) {
        for (LineInBox* line : qAsConst(box->m_Lines)) {
            const auto found =
                bySourceKey.constFind(line->m_Element->attribute(QStringLiteral("key")));
            if (found == bySourceKey.constEnd())
                continue;
            for (int index : found.value())
                createSignal(m_Conds.at(index), line);
        }
    }
    for (int i = 0; i < item->childCount(); ++i)
        connectItem(item->child(i), bySourceKey);
}

template class HideCondsRegistry<LineInBox, SlotForHideConds>;
template class HideCondsRegistry<TreeWidgetItemLineInLeftTree, SlotForHideConds_Cont>;
