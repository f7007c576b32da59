#pragma once

#include <QDomElement>
#include <QVector>

class QDomDocument;

// The elements of a document that the loader takes, found by its own walk
// without building any screen.
struct LoadedElements
{
    struct Setting
    {
        QDomElement signal;    // becomes a setting line
        QDomElement container; // the container that holds it
    };

    QVector<Setting> settings;
    // The `hideConds` elements whose conditions the loader reads: a line's
    // own and the containers' it takes, in document order.
    QVector<QDomElement> conditionLists;

    static LoadedElements of(const QDomDocument& document);
};
