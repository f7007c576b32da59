#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class DialogErros;
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

// An XML text as a tree, one string: nodes in document order, an element's
// attributes sorted by name (their order in a saved text follows the hash
// seed of the process that wrote it) and its end marked, comments and
// processing instructions with their data, text trimmed (indentation left
// out). Empty for a text that does not parse.
QString canonicalXml(const QByteArray& text);

// The open windows listing the fields to correct before a save or a print.
QList<DialogErros*> fieldsToCorrectWindows();
// Closes them as their "Ok" does. Deleting a shown one at once can leave
// Qt's accessibility cache holding it, which crashes at the end of the
// program.
void closeFieldsToCorrectWindows();

} // namespace DocumentHelpers
