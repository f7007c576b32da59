#pragma once

#include <QDomElement>
#include <QString>
#include <QStringList>
#include <QVector>

// The fields whose values a controller cannot take, which keep the document
// from being saved, printed or written. A field is one setting, identified by
// its element: two lines with one caption in one group are two fields. The
// list shows each as its group text and caption, ordered by group text
// (UTF-16 code units), newest first within a group.
class FieldsToCorrect
{
public:
    struct Entry
    {
        QDomElement setting; // null for an entry registered by its texts alone
        QString group;
        QString field;
    };

    // Registers `setting` under its group and caption, unless it is held.
    void add(const QDomElement& setting, const QString& group, const QString& field);
    // Registers the pair (group, field) for no particular setting, unless
    // the pair is held.
    void add(const QString& group, const QString& field);
    void remove(const QDomElement& setting);
    // Removes every entry of the pair, whichever setting it stands for.
    void remove(const QString& group, const QString& field);
    void clear() { m_Entries.clear(); }

    bool contains(const QDomElement& setting) const;
    bool isEmpty() const { return m_Entries.isEmpty(); }
    int size() const { return m_Entries.size(); }
    // The captions registered under `group`, newest first.
    QStringList values(const QString& group) const;
    const QVector<Entry>& entries() const { return m_Entries; }

    // The list as the dialog shows it: "<H3>Исправить cледующий поля:<BR>",
    // then "group :: field<BR>" for each entry, then "</H3>".
    QString listText() const;

private:
    void insert(const Entry& entry);

    QVector<Entry> m_Entries;
};
