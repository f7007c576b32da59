#pragma once

#include <QList>
#include <QString>

class QDomDocument;
class SettingsModel;

// Finds the visibility conditions of a document that can never act: those
// whose `s` matches no setting's key and those whose `o` names no operator.
// Only the conditions the loader reads are looked at (a line's first
// `hideConds`, a container's `hideConds` where the loader takes it), and
// only the keys of the settings it makes lines of count.
class ConditionLint
{
public:
    struct Finding
    {
        int line; // line number of the `c` element
        QString message;
    };

    static QList<Finding> findings(const QDomDocument& document);
    static QList<Finding> findings(const SettingsModel& model);
};
