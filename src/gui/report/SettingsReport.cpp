#include "report/SettingsReport.h"

#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "dialogs/UserDialogs.h"
#include "document/SettingsModel.h"
#include "lines/LineInBox.h"
#include "report/ReportText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
const QString kWrongEditorTitle = QStringLiteral("Беда");
const QString kWrongEditorText =
    QStringLiteral("void MainWindow::goingTree(QTreeWidgetItem* qtwi,QString &html,QString con)"
                   "QCheckBox* cb = qobject_cast<QCheckBox*>(var2);");

template <typename Editor> bool editorsOfClass(const LineInBox* line, QVector<Editor*>& editors)
{
    for (QWidget* widget : line->m_Widgets) {
        auto* editor = qobject_cast<Editor*>(widget);
        if (!editor)
            return false;
        editors.append(editor);
    }
    return true;
}
} // namespace

QString SettingsReport::head(const QString& modelName)
{
    return ReportText::head(modelName);
}

QString SettingsReport::tail()
{
    return ReportText::tail();
}

QString SettingsReport::html(QTreeWidget* tree, const QString& modelName, QWidget* dialogParent)
{
    QString text = head(modelName);
    appendTreeRows(tree, text, dialogParent);
    return text + tail();
}

void SettingsReport::appendTreeRows(QTreeWidget* tree, QString& html, QWidget* dialogParent)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = tree->topLevelItem(i);
        if (!item->isHidden())
            goingTree(item, html, QStringLiteral("//"), dialogParent);
    }
}

void SettingsReport::goingTree(QTreeWidgetItem* item, QString& html, QString con,
                               QWidget* dialogParent)
{
    auto* container = dynamic_cast<TreeWidgetItemLineInLeftTree*>(item);
    if (!container)
        return;
    con += container->text(0) + QStringLiteral("//");
    if (!container->m_Boxes.isEmpty()) {
        html += ReportText::containerRow(con);
        for (const BoxForLines* box : qAsConst(container->m_Boxes)) {
            for (const LineInBox* line : box->m_Lines) {
                if (appendLineRow(line, html) == LineRow::WrongEditor) {
                    // The rest of this container and its subtree are left
                    // out; the caller goes on with the next sibling.
                    UserDialogs::warning(dialogParent, kWrongEditorTitle, kWrongEditorText);
                    return;
                }
            }
        }
    }
    for (int i = 0; i < container->childCount(); ++i) {
        QTreeWidgetItem* child = container->child(i);
        if (!child->isHidden())
            goingTree(child, html, con, dialogParent);
    }
}

SettingsReport::LineRow SettingsReport::appendLineRow(const LineInBox* line, QString& html)
{
    QString value;
    bool rowWanted = true;
    if (!valueText(line, value, rowWanted))
        return LineRow::WrongEditor;
    if (!line->m_Visible || !rowWanted)
        return LineRow::Omitted;
    html += ReportText::lineRow(line->m_LabelName->text(), value);
    return LineRow::Added;
}

bool SettingsReport::valueText(const LineInBox* line, QString& value, bool& rowWanted)
{
    switch (line->m_TypeLine) {
    case xmlenum: {
        QVector<QRadioButton*> buttons;
        if (!editorsOfClass(line, buttons))
            return false;
        for (const QRadioButton* button : qAsConst(buttons)) {
            if (button->isChecked())
                value += button->text().toHtmlEscaped();
        }
        return true;
    }
    case xmlFlags: {
        QVector<QCheckBox*> boxes;
        if (!editorsOfClass(line, boxes))
            return false;
        QStringList ticked;
        for (const QCheckBox* box : qAsConst(boxes)) {
            if (SettingsModel::buttonChecked(box->checkState()))
                ticked << box->text().toHtmlEscaped();
        }
        value = ticked.join(QStringLiteral("<br>"));
        rowWanted = !ticked.isEmpty();
        return true;
    }
    case xmlbit: {
        QVector<QCheckBox*> boxes;
        if (!editorsOfClass(line, boxes))
            return false;
        for (const QCheckBox* box : qAsConst(boxes))
            value += SettingsModel::buttonChecked(box->checkState()) ? QStringLiteral("Есть")
                                                                     : QStringLiteral("Нет");
        return true;
    }
    default: {
        QVector<QLineEdit*> fields;
        if (!editorsOfClass(line, fields))
            return false;
        // The document's value, which an editor shows cut when it is longer
        // than the editor's maximal length.
        if (!fields.isEmpty())
            value = line->m_Element->attribute(QStringLiteral("value")).toHtmlEscaped();
        return true;
    }
    }
}
