#include "document/TypeLine.h"

#include <array>
#include <utility>

namespace {
// The order of this table is the order in which the words are searched.
const std::array<std::pair<const char*, TypeLine>, 7> kKindWords = {{
    {"flags", xmlFlags},
    {"number", xmlnumber},
    {"enum", xmlenum},
    {"bit", xmlbit},
    {"string", xmlstring},
    {"macAddress", xmlmacAddress},
    {"ipAddress", xmlipAddress},
}};
} // namespace

TypeLine typeLineFromType(const QString& type)
{
    for (const auto& [word, kind] : kKindWords) {
        if (type.contains(QLatin1String(word)))
            return kind;
    }
    return xmlunknown;
}

QString typeLineWord(TypeLine type)
{
    for (const auto& [word, kind] : kKindWords) {
        if (kind == type)
            return QLatin1String(word);
    }
    return QStringLiteral("unknown");
}

QString typeLineName(TypeLine type)
{
    switch (type) {
    case xmlFlags:
        return QStringLiteral("xmlFlags");
    case xmlnumber:
        return QStringLiteral("xmlnumber");
    case xmlenum:
        return QStringLiteral("xmlenum");
    case xmlbit:
        return QStringLiteral("xmlbit");
    case xmlstring:
        return QStringLiteral("xmlstring");
    case xmlmacAddress:
        return QStringLiteral("xmlmacAddress");
    case xmlipAddress:
        return QStringLiteral("xmlipAddress");
    case xmlnotset:
    case xmlunknown:
        break;
    }
    return QStringLiteral("default");
}
