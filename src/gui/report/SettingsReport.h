#pragma once

#include <QString>

class LineInBox;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The settings report: an HTML table of the containers and setting lines as
// the screens show them (hidden items and lines are left out). Every text
// taken from the document or the editors is HTML-escaped, so the report shows
// exactly what the user sees.
class SettingsReport
{
public:
    // The whole report text: head with the caption, rows, tail. A message
    // about a wrong editor has `dialogParent` as its parent.
    static QString html(QTreeWidget* tree, const QString& modelName, QWidget* dialogParent);

    static QString head(const QString& modelName);
    static QString tail();

    // Appends the rows of every top-level item that is not hidden.
    static void appendTreeRows(QTreeWidget* tree, QString& html, QWidget* dialogParent);
    // Appends the rows of `item` and of its subtree; `con` is the parent's
    // container path ("//" for top-level items).
    static void goingTree(QTreeWidgetItem* item, QString& html, QString con, QWidget* dialogParent);

private:
    enum class LineRow
    {
        Added,
        Omitted,
        WrongEditor
    };
    static LineRow appendLineRow(const LineInBox* line, QString& html);
    // The value text of the line; false when an editor is not of the class
    // its kind requires.
    static bool valueText(const LineInBox* line, QString& value, bool& rowWanted);
};
