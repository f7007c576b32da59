#include "dialogs/QtUserDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

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
    return QInputDialog::getItem(parent, title, label, items, current, false, ok);
}

bool QtUserDialogs::acceptPrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
