#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class LoadedDocument;

// Small settings documents for the carry and merge tables, written inline.
namespace SettingsBodies {

// A document of `body`, with the symbol "latin" for the string letters.
QByteArray document(const QByteArray& body, const char* version = "1");
// A setting keyed by its name; `more` holds further attributes.
QByteArray signal(const char* name, const char* type, const char* value,
                  const QByteArray& more = QByteArray());
QByteArray container(const char* name, const QByteArray& settings);
// A flags or enum setting with items of the keys `keys`, each named by the
// key's last character.
QByteArray withItems(const char* name, const char* type, const char* value,
                     const QStringList& keys);
// The value attributes of the document's settings, joined by "|".
QString valuesOf(const LoadedDocument& loaded);

} // namespace SettingsBodies
