#pragma once

#include <QString>

// The kind of a setting line, chosen by the words of the element's `type`.
enum TypeLine : int
{
    xmlnotset = -1,
    xmlunknown = 0,
    xmlFlags = 1,
    xmlnumber = 2,
    xmlenum = 3,
    xmlbit = 4,
    xmlstring = 5,
    xmlmacAddress = 6,
    xmlipAddress = 7
};

// The first of the words flags, number, enum, bit, string, macAddress,
// ipAddress that occurs anywhere in `type` (case-sensitive) decides the kind;
// none of them gives xmlunknown.
TypeLine typeLineFromType(const QString& type);

// The word of `type` that selects it ("flags", "number", ...), "unknown"
// for xmlnotset and xmlunknown.
QString typeLineWord(TypeLine type);

// The name used in messages: the enumerator's name, "default" for
// xmlnotset and xmlunknown.
QString typeLineName(TypeLine type);
