#pragma once

#include <QByteArray>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace DocumentHelpers {

// The navigation tree in one line: each item as its text, "{n}" with the
// number of lines of each of its boxes ("{}" without a box), its children in
// parentheses, "-" before an item that is collapsed; items separated by spaces.
QString treeOutline(const QTreeWidget* tree);

// The item reached by the child indices in `path` ("1/0" is the first child of
// the second top-level item), or none.
QTreeWidgetItem* itemAt(const QTreeWidget* tree, const QString& path);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A settings document of `depth` nested containers, each holding nothing but
// the next (the document element is one more level).
QByteArray nestedContainers(int depth);

} // namespace DocumentHelpers
