#include "report/ReportText.h"

#include "document/ValueCodec.h"

#include <QStringList>

QString ReportText::head(const QString& modelName)
{
    return QStringLiteral("<!DOCTYPE HTML><html><head><meta content=\"text/html; charset=utf-8\">"
                          "</head><body><table border=\"1\" cols=\"2\" cellpadding=\"1\" "
                          "width=\"100%\"><caption><big><big><center>"
                          "Таблица настроек контроллера ") +
           modelName.toHtmlEscaped() +
           QStringLiteral("</center></big></big></caption><tr><th>Наименование параметра<br>"
                          "(пункт / подпункт)</th><th>Значение</th></tr>");
}

QString ReportText::tail()
{
    return QStringLiteral("</table></body></html>");
}

QString ReportText::containerRow(const QString& path)
{
    return QStringLiteral("<tr bgcolor=\"#D0D0D0\" style=\"page-break-before:always\" ><td><b>") +
           path.toHtmlEscaped() + QStringLiteral("</b></td><td></td></tr>");
}

QString ReportText::lineRow(const QString& caption, const QString& valueHtml)
{
    return QStringLiteral("<tr style=\"page-break-before:always\" ><td>") +
           caption.toHtmlEscaped() + QStringLiteral("</td><td>") + valueHtml +
           QStringLiteral("</td></tr>");
}

QString ReportText::of(const SettingsModel& model, const QString& modelName)
{
    // The containers stand in the walk's order, each before those it holds,
    // as the navigation tree lists them.
    QVector<QVector<int>> settingsOf(model.containers.size());
    for (int i = 0; i < model.settings.size(); ++i)
        settingsOf[model.settings.at(i).container].append(i);
    QVector<QString> paths(model.containers.size());
    QString html = head(modelName);
    for (int c = 0; c < model.containers.size(); ++c) {
        const SettingsModel::Container& container = model.containers.at(c);
        paths[c] = (container.parent >= 0 ? paths.at(container.parent) : QStringLiteral("//")) +
                   container.name + QStringLiteral("//");
        if (container.hidden || settingsOf.at(c).isEmpty())
            continue;
        html += containerRow(paths.at(c));
        for (int s : settingsOf.at(c)) {
            const SettingsModel::Setting& setting = model.settings.at(s);
            QString value;
            if (!setting.hidden && valueHtml(setting, value))
                html += lineRow(SettingsModel::captionOf(setting.element), value);
        }
    }
    return html + tail();
}

bool ReportText::valueHtml(const SettingsModel::Setting& setting, QString& value)
{
    switch (setting.kind) {
    case xmlenum:
        // Of several items with the value's key, the last stays chosen.
        for (int i = setting.items.size() - 1; i >= 0 && !setting.value.isEmpty(); --i) {
            if (setting.items.at(i).key == setting.value) {
                value = setting.items.at(i).name.toHtmlEscaped();
                break;
            }
        }
        return true;
    case xmlFlags: {
        const QVector<ValueCodec::FlagState> states =
            ValueCodec::flagsStates(setting.value, setting.itemKeys());
        QStringList ticked;
        for (int i = 0; i < states.size(); ++i) {
            if (states.at(i) == ValueCodec::FlagState::Set)
                ticked << setting.items.at(i).name.toHtmlEscaped();
        }
        value = ticked.join(QStringLiteral("<br>"));
        return !ticked.isEmpty();
    }
    case xmlbit:
        value =
            ValueCodec::bitIsSet(setting.value) ? QStringLiteral("Есть") : QStringLiteral("Нет");
        return true;
    case xmlnumber:
    case xmlstring:
    case xmlmacAddress:
    case xmlipAddress:
        value = setting.value.toHtmlEscaped();
        return true;
    case xmlnotset:
    case xmlunknown:
        break;
    }
    value.clear();
    return true;
}
