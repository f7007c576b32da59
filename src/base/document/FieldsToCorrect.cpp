#include "document/FieldsToCorrect.h"

#include <algorithm>

void FieldsToCorrect::add(const QDomElement& setting, const QString& group, const QString& field)
{
    if (!contains(setting))
        insert({setting, group, field});
}

void FieldsToCorrect::add(const QString& group, const QString& field)
{
    const bool held = std::any_of(m_Entries.cbegin(), m_Entries.cend(), [&](const Entry& entry) {
        return entry.group == group && entry.field == field;
    });
    if (!held)
        insert({QDomElement(), group, field});
}

void FieldsToCorrect::remove(const QDomElement& setting)
{
    m_Entries.erase(std::remove_if(m_Entries.begin(), m_Entries.end(),
                                   [&](const Entry& entry) { return entry.setting == setting; }),
                    m_Entries.end());
}

void FieldsToCorrect::remove(const QString& group, const QString& field)
{
    m_Entries.erase(std::remove_if(m_Entries.begin(), m_Entries.end(),
                                   [&](const Entry& entry) {
                                       return entry.group == group && entry.field == field;
                                   }),
                    m_Entries.end());
}

bool FieldsToCorrect::contains(const QDomElement& setting) const
{
    return std::any_of(m_Entries.cbegin(), m_Entries.cend(),
                       [&](const Entry& entry) { return entry.setting == setting; });
}

QStringList FieldsToCorrect::values(const QString& group) const
{
    QStringList fields;
    for (const Entry& entry : m_Entries) {
        if (entry.group == group)
            fields << entry.field;
    }
    return fields;
}

QString FieldsToCorrect::listText() const
{
    QString text = QStringLiteral("<H3>Исправить cледующий поля:<BR>");
    for (const Entry& entry : m_Entries)
        // A whole string appends with geometric growth; a builder would
        // reserve the exact size and copy the list again for every entry.
        text +=
            QString(entry.group + QStringLiteral(" :: ") + entry.field + QStringLiteral("<BR>"));
    return text + QStringLiteral("</H3>");
}

void FieldsToCorrect::insert(const Entry& entry)
{
    // In front of the entries already held under its group.
    const auto at = std::lower_bound(
        m_Entries.begin(), m_Entries.end(), entry.group,
        [](const Entry& held, const QString& group) { return held.group < group; });
    m_Entries.insert(at, entry);
}
