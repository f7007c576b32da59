#pragma once

#include "conditions/ConditionDecision.h"
#include "document/TypeLine.h"

#include <QDomElement>
#include <QString>
#include <QStringList>
#include <QVector>

class QDomDocument;
class SymbolTable;

// The settings of a document as the loader takes them: its containers and
// settings in document order, with what each declares, its value and whether
// it is hidden right after a load. Everything that reads a setting without a
// screen reads it here, so that the editor, the report, the checks and the
// comparison agree: the captions, the item lists, the conditions, the reading
// of values and the decision of visibility.
class SettingsModel
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
        int line = 0; // of the `c` element
    };
    struct Container
    {
        QDomElement element;
        QString name;
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
        QDomElement element;
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

        QStringList itemKeys() const;
    };

    // A message the editor shows in a parentless about box while it loads
    // the document.
    struct Message
    {
        QString title;
        QString text;
    };

    // The document's `formatVerMaj` as written.
    QString formatVerMaj;
    // The document's symbols as "name=code", ordered by name.
    QStringList symbols;
    QVector<Container> containers;
    // Grouped by nothing: in the walk's order, which is document order.
    QVector<Setting> settings;
    // The `hideConds` elements whose conditions the loader reads: a line's
    // own and the containers' it takes, in document order.
    QVector<QDomElement> conditionLists;

    // What the walk found wrong, in document order: the faults of each
    // setting's declaration and the settings outside any container.
    QVector<Message> walkMessages;

    static SettingsModel of(const QDomDocument& document);

    // Every message a load of the document shows, in the editor's order: the
    // walk's, then those of wiring the settings' and the containers'
    // conditions to sources that cannot act, then those of reading the
    // values of settings of no known kind.
    QVector<Message> loadMessages() const;

    // The faults of one setting's declaration, as its line reports them while
    // it is built: an unknown kind, missing items or item keys, letters that
    // name no known set of characters.
    static QVector<Message> lineFaults(const QDomElement& signal, const SymbolTable& symbols);
    static Message orphanSetting(const QDomElement& signal);
    // A condition whose source is a setting of a kind that never acts.
    static Message conditionSourceFault();
    // Reading the value of a setting of no known kind.
    static Message unknownKindAtLoad(const QDomElement& signal);

    // The caption of a setting's line: its name, and ", " and its unit when
    // it has one.
    static QString captionOf(const QDomElement& signal);
    // The items of a flags or enum setting as its line builds them: the first
    // `item` of the first `namedValues` and the elements that follow it
    // directly, up to the first node that is not an element.
    static QVector<Item> itemsOf(const QDomElement& signal);
    // The conditions of a `hideConds` element, one per `c` child.
    static QVector<Condition> conditionsOf(const QDomElement& hideConds);
    // Whether a check box or radio button of a source shows as checked for
    // conditions and for the report; an undetermined box (a flags item or a
    // bit without a value) counts as clear, as it would be written.
    static bool buttonChecked(int checkState);

private:
    class Builder;
    // Decides `hidden` as the editor leaves its screens right after loading.
    void decideVisibility();
    bool conditionHolds(const Condition& condition, const Setting& source) const;
};
