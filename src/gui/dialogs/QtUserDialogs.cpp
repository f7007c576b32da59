#include "dialogs/QtUserDialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QScreen>

static_assert(int(UserDialogs::Ok) == int(QMessageBox::Ok) &&
                  int(UserDialogs::Yes) == int(QMessageBox::Yes) &&
                  int(UserDialogs::No) == int(QMessageBox::No) &&
                  int(UserDialogs::Cancel) == int(QMessageBox::Cancel),
              "the seam's buttons pass to QMessageBox unchanged");

namespace {
// The seam's buttons carry the values of QMessageBox's standard buttons.
QMessageBox::StandardButtons standardButtons(UserDialogs::Buttons buttons)
{
    return QMessageBox::StandardButtons(int(buttons));
}

UserDialogs::Button seamButton(int standardButton)
{
    return static_cast<UserDialogs::Button>(standardButton);
}

// The share of the screen's width that the list of an item choice may take.
constexpr int kListWidthPercent = 60;

// A long entry (a device path of any length) would stretch the dialog past
// the screen: the list is held to a part of the screen's width, the open
// list shortens entries in the middle, where a name is least telling, and
// each entry's whole text is its tool tip.
void fitListToScreen(QComboBox& list, const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    list.setMaximumWidth(screen->availableGeometry().width() * kListWidthPercent / 100);
    list.view()->setTextElideMode(Qt::ElideMiddle);
    for (int i = 0; i < list.count(); ++i)
        list.setItemData(i, list.itemText(i), Qt::ToolTipRole);
}
} // namespace

void QtUserDialogs::makeDefault()
{
    static QtUserDialogs realDialogs;
    UserDialogs::setDefault(&realDialogs);
}

UserDialogs::Button QtUserDialogs::message(Kind kind, QWidget* parent, const QString& title,
                                           const QString& text, Buttons buttons)
{
    switch (kind) {
    case Kind::About:
        QMessageBox::about(parent, title, text);
        return Ok;
    case Kind::NoIcon: {
        QMessageBox box(QMessageBox::NoIcon, title, text, standardButtons(buttons), parent);
        return seamButton(box.exec());
    }
    case Kind::Information:
        return seamButton(QMessageBox::information(parent, title, text, standardButtons(buttons)));
    case Kind::Warning:
        return seamButton(QMessageBox::warning(parent, title, text, standardButtons(buttons)));
    case Kind::Critical:
        return seamButton(QMessageBox::critical(parent, title, text, standardButtons(buttons)));
    }
    return NoButton;
}

QString QtUserDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtUserDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString QtUserDialogs::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items, int current, bool* ok)
{
    // The parent may be destroyed while the dialog runs, and the dialog with it.
    QPointer<QInputDialog> dialog = itemDialog(parent, title, label, items, current);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    if (ok)
        *ok = accepted;
    const QString chosen = accepted ? dialog->textValue() : items.value(current);
    delete dialog;
    return chosen;
}

QInputDialog* QtUserDialogs::itemDialog(QWidget* parent, const QString& title, const QString& label,
                                        const QStringList& items, int current)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setComboBoxItems(items);
    dialog->setComboBoxEditable(false);
    dialog->setTextValue(items.value(current));
    if (auto* list = dialog->findChild<QComboBox*>())
        fitListToScreen(*list, parent);
    return dialog;
}

bool QtUserDialogs::acceptPrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
