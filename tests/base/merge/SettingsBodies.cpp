#include "SettingsBodies.h"

#include "document/LoadedDocument.h"

namespace SettingsBodies {

QByteArray document(const QByteArray& body, const char* version)
{
    return QByteArray("<lir1Settings formatVerMaj=\"") + version +
           "\"><symbols symbols_latin=\"1\"/>" + body + "</lir1Settings>";
}

QByteArray signal(const char* name, const char* type, const char* value, const QByteArray& more)
{
    return QByteArray("<signal name=\"") + name + "\" key=\"" + name + "\" type=\"" + type +
           "\" value=\"" + value + "\" " + more + "/>";
}

QByteArray container(const char* name, const QByteArray& settings)
{
    return QByteArray("<container name=\"") + name + "\">" + settings + "</container>";
}

QByteArray withItems(const char* name, const char* type, const char* value, const QStringList& keys)
{
    QByteArray items;
    for (const QString& key : keys)
        items += "<item name=\"" + key.right(1).toUtf8() + "\" key=\"" + key.toUtf8() + "\"/>";
    return signal(name, type, value)
        .replace("/>", "><namedValues>" + items + "</namedValues></signal>");
}

QString valuesOf(const LoadedDocument& loaded)
{
    QStringList values;
    for (const SettingsModel::Setting& setting : loaded.model().settings)
        values << setting.element.attribute(QStringLiteral("value"));
    return values.join(QLatin1Char('|'));
}

} // namespace SettingsBodies
