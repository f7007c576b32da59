#include "common/DocumentHelpers.h"

#include "app/BoxForLines.h"
#include "app/DialogErros.h"
#include "app/TreeWidgetItemLineInLeftTree.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QStringList>
#include <QTreeWidget>

namespace DocumentHelpers {

namespace {
QString itemOutline(const QTreeWidgetItem* item)
{
    QString text = item->isExpanded() || item->childCount() == 0 ? QString() : QStringLiteral("-");
    text += item->text(0);
    if (auto* container = dynamic_cast<const TreeWidgetItemLineInLeftTree*>(item)) {
        if (container->m_Boxes.isEmpty())
            text += QStringLiteral("{}");
        for (const BoxForLines* box : container->m_Boxes)
            text += QStringLiteral("{%1}").arg(box->m_Lines.size());
    }
    if (item->childCount() > 0) {
        QStringList children;
        for (int i = 0; i < item->childCount(); ++i)
            children << itemOutline(item->child(i));
        text += QLatin1Char('(') + children.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return text;
}

void appendCanonical(const QDomNode& node, QString& out)
{
    if (node.isText()) {
        out += node.nodeValue().trimmed();
        return;
    }
    if (node.isComment()) {
        out += QStringLiteral("<!--") + node.nodeValue() + QStringLiteral("-->");
        return;
    }
    if (node.isProcessingInstruction()) {
        out += QStringLiteral("<?") + node.nodeName() + QLatin1Char(' ') + node.nodeValue() +
               QStringLiteral("?>");
        return;
    }
    out += QLatin1Char('<') + node.nodeName();
    QStringList attributes;
    const QDomNamedNodeMap map = node.attributes();
    for (int i = 0; i < map.count(); ++i)
        attributes
            << QStringLiteral(" %1=\"%2\"").arg(map.item(i).nodeName(), map.item(i).nodeValue());
    attributes.sort();
    out += attributes.join(QString());
    out += QLatin1Char('>');
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        appendCanonical(child, out);
    out += QStringLiteral("</>");
}
} // namespace

QString treeOutline(const QTreeWidget* tree)
{
    QStringList items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        items << itemOutline(tree->topLevelItem(i));
    return items.join(QLatin1Char(' '));
}

QTreeWidgetItem* itemAt(const QTreeWidget* tree, const QString& path)
{
    QTreeWidgetItem* item = nullptr;
    for (const QString& index : path.split(QLatin1Char('/'))) {
        const int i = index.toInt();
        item = item ? item->child(i) : tree->topLevelItem(i);
        if (!item)
            return nullptr;
    }
    return item;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray nestedContainers(int depth)
{
    QByteArray text = "<lir1Settings formatVerMaj=\"1\">";
    for (int i = 0; i < depth; ++i)
        text += "<container name=\"c\">";
    for (int i = 0; i < depth; ++i)
        text += "</container>";
    return text + "</lir1Settings>";
}

QString canonicalXml(const QByteArray& text)
{
    QDomDocument document;
    if (!document.setContent(text))
        return QString();
    QString out;
    appendCanonical(document, out);
    return out;
}

QList<DialogErros*> fieldsToCorrectWindows()
{
    QList<DialogErros*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<DialogErros*>(widget))
            windows << window;
    }
    return windows;
}

void closeFieldsToCorrectWindows()
{
    for (DialogErros* window : fieldsToCorrectWindows())
        window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace DocumentHelpers
