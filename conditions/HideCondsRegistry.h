#pragma once

#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "dialogs/UserDialogs.h"
#include "conditions/HideCond.h"
#include "lines/LineInBox.h"

#include <QAbstractButton>
#include <QDomElement>
#include <QHash>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTreeWidget>
#include <QVector>

// The work both registries share: pending conditions are collected during
// the walk, then wired to every line whose `key` equals their `s`.
// `Target` is what a condition hides, `Receiver` the receiver class made for
// it.
template <typename Target, typename Receiver> class HideCondsRegistry
{
public:
    using Cond = HideCond<Target>;

    QTreeWidget* m_Tree = nullptr;
    QList<Cond> m_Conds;

    // Wires every pending condition to every line whose key equals its `s`:
    // lines in the tree's depth-first order, the conditions of one key in
    // list order. The pending conditions are indexed by key once, so wiring
    // stays linear in lines plus conditions.
    void connectConds()
    {
        m_Wired.clear();
        if (!m_Tree || m_Conds.isEmpty())
            return;
        QHash<QString, QVector<int>> bySourceKey;
        for (int i = 0; i < m_Conds.size(); ++i)
            bySourceKey[m_Conds.at(i).s].append(i);
        for (int i = 0; i < m_Tree->topLevelItemCount(); ++i)
            connectItem(m_Tree->topLevelItem(i), bySourceKey);
    }

    void clearConds() { m_Conds.clear(); }

    // Creates the receiver of `cond` on the line `source` and connects it to
    // the source's editors by the source's kind.
    void createSignal(Cond cond, LineInBox* source)
    {
        auto* receiver = new Receiver(cond.op, cond.value, cond.target, source);
        m_Wired.append(receiver);
        switch (source->m_TypeLine) {
        case xmlnumber:
            if (auto* editor = source->m_Widgets.isEmpty()
                                   ? nullptr
                                   : qobject_cast<QLineEdit*>(source->m_Widgets.last()))
                receiver->listenTo(editor);
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
        default:
            UserDialogs::about(nullptr, QStringLiteral("Error HideConds::createSignal"),
                               QStringLiteral("Not know"));
            return;
        }
    }

    // Decides every condition wired by the last load against its source's
    // current state, so the screens start as the loaded values say.
    void evaluateWired()
    {
        for (const QPointer<Receiver>& receiver : qAsConst(m_Wired)) {
            if (receiver)
                receiver->evaluateNow();
        }
    }

private:
    void connectItem(QTreeWidgetItem* treeItem, const QHash<QString, QVector<int>>& bySourceKey)
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

    QList<QPointer<Receiver>> m_Wired;
};
