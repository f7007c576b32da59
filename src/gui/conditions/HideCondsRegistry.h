#pragma once

#include "conditions/HideCond.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QVector>

class LineInBox;
class QTreeWidget;
class QTreeWidgetItem;

// The work both registries share: pending conditions are collected during
// the walk, then wired to every line whose `key` equals their `s`.
// `Target` is what a condition hides, `Receiver` the receiver class made for
// it. The two registries are the only instantiations (HideCondsRegistry.cpp).
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
    void connectConds();
    void clearConds() { m_Conds.clear(); }

    // Creates the receiver of `cond` on the line `source` and connects it to
    // the source's editors by the source's kind.
    void createSignal(Cond cond, LineInBox* source);

    // Decides every condition wired by the last load against its source's
    // current state, so the screens start as the loaded values say.
    void evaluateWired();

private:
    using KeyIndex = QHash<QString, QVector<int>>;
    void connectItem(QTreeWidgetItem* treeItem, const KeyIndex& bySourceKey);

    QList<QPointer<Receiver>> m_Wired;
};
