#pragma once

#include "conditions/ConditionDecision.h"
#include "document/TypeLine.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QDomDocument;

// What a settings document holds, as plain data to compare: its containers
// and settings in document order, as the loader takes them, with what each
// declares, its value and whether it is hidden right after a load.
class SettingsSnapshot
{
public:
    struct Item
    {
        QString name;
        QString key;
    };
    struct Condition
    {
        QString s;
        QString o;
        QString v;
        ConditionDecision::Operator op = ConditionDecision::NoOperator;
        int value = 0;
    };
    struct Container
    {
        // The names from the top-level container down, joined by "/"; the
        // second and later siblings of one name are told apart by "#2",
        // "#3", ...
        QString path;
        int parent = -1;
        QVector<Condition> conditions;
        bool hidden = false; // by its own conditions or an enclosing container's
    };
    struct Setting
    {
        int container = -1;
        QString name;
        QString key;
        TypeLine kind = xmlunknown;
        QString value;
        QString measure;
        QString min;
        QString max;
        bool hasExponent = false;
        QString e;
        QString lenMax;
        QString letters;
        // The items as the editor builds them: the first `item` of the first
        // `namedValues` and the elements that follow it directly.
        QVector<Item> items;
        QVector<Condition> conditions;
        bool hidden = false; // by its own conditions or its container's
    };

    // The document's `formatVerMaj` as written.
    QString formatVerMaj;
    // The document's symbols as "name=code", ordered by name.
    QStringList symbols;
    QVector<Container> containers;
    // Grouped by nothing: in the walk's order, which is document order.
    QVector<Setting> settings;

    static SettingsSnapshot of(const QDomDocument& document);

private:
    class Builder;
    // Decides `hidden` as the editor leaves its screens right after loading.
    void decideVisibility();
    bool conditionHolds(const Condition& condition, const Setting& source) const;
};
