#pragma once

#include "document/SettingsModel.h"

#include <QString>

// The text of the settings report: an HTML table with a caption naming the
// model, a row for each container that holds settings (its path) and a row
// for each shown setting (caption and value). The editor fills it from its
// screens, the tools from the model of a document; both make their rows
// here, so the two reports of one document are the same text.
class ReportText
{
public:
    static QString head(const QString& modelName);
    static QString tail();
    // The row of a container; `path` is "//" and each name from the top
    // followed by "//".
    static QString containerRow(const QString& path);
    // The row of one setting; `valueHtml` is escaped already.
    static QString lineRow(const QString& caption, const QString& valueHtml);

    // The report of a document as a load leaves its screens: containers and
    // settings hidden by their conditions are left out.
    static QString of(const SettingsModel& model, const QString& modelName);
    // The value cell of a setting as its line shows the document's value;
    // false when the line has no row (flags with no item set).
    static bool valueHtml(const SettingsModel::Setting& setting, QString& value);
};
