#pragma once

#include "document/SettingsModel.h"

#include <QString>
#include <QVector>

class QDomDocument;

// The differences between two settings documents, A and B, setting by
// setting, matched as SettingsMatch matches them.
class SettingsComparison
{
public:
    struct Difference
    {
        enum Kind
        {
            Document,    // `field` of the document element differs
            Value,       // a setting's value differs
            Declaration, // what a setting (`container`: a container) declares differs
            OnlyInA,     // a setting or container (`container`) that B lacks
            OnlyInB      // a setting or container that A lacks
        };
        enum Visibility
        {
            Shown,
            Hidden,    // hidden (on the one side where it is)
            HiddenInA, // hidden in A, shown in B
            HiddenInB
        };
        Kind kind = Value;
        bool container = false;
        QString path;  // the container's path
        QString label; // the setting as matched
        QString field;
        QString a; // the text on side A (empty for OnlyInB)
        QString b;
        Visibility hidden = Shown;
    };

    // Differences of the document element first, then the settings that
    // differ, container by container in A's document order, then what only
    // A has and what only B has. Settings and containers hidden right after
    // a load are left out, unless `includeHidden`; a setting hidden on one
    // side only is always kept.
    static QVector<Difference> compare(const SettingsModel& a, const SettingsModel& b,
                                       bool includeHidden);

    enum class Mode
    {
        ByMeaning, // values as the lines show them, declarations by what they mean
        ExactText  // every value and every other attribute and element as written
    };
    // As above, on whole documents. ExactText compares each value as text
    // and, in place of the declarations, every attribute but `name` of the
    // document element, the containers and the settings, and the elements
    // below them that are neither containers nor settings the walk takes;
    // settings and containers that only one side has show their values as
    // written.
    static QVector<Difference> compare(const QDomDocument& a, const QDomDocument& b,
                                       bool includeHidden, Mode mode);

    // Number values compare by their exact decimal value (7.5 equals 7.50,
    // 15 differs from 20 whatever the resolution); a text that is no plain
    // decimal number compares as text, so that a document never differs from
    // itself.
    static bool sameNumber(const QString& a, const QString& b);

    // Whether two matched settings hold one value as diff compares values:
    // numbers by sameNumber, flags item by item by key, enums by the chosen
    // item's name, bits by being set; of two kinds, and the rest, as text.
    static bool sameValue(const SettingsModel::Setting& a, const SettingsModel::Setting& b);

    // The value as the line shows it: flags as "Item set, Item clear, ...",
    // enum as the chosen item's name, others as written; "" when empty.
    static QString valueText(const SettingsModel::Setting& setting);

private:
    class Matcher;
};
