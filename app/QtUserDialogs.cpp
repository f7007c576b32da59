#include "app/QtUserDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>

QMessageBox::StandardButton QtUserDialogs::message(Kind kind, QWidget* parent, const QString& title,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons)
{
    switch (kind) {
    case Kind::About:
        QMessageBox::about(parent, title, text);
        return QMessageBox::Ok;
    case Kind::NoIcon: {
        QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
    case Kind::Information:
        return QMessageBox::information(parent, title, text, buttons);
    case Kind::Warning:
        return QMessageBox::warning(parent, title, text, buttons);
    case Kind::Critical:
        return QMessageBox::critical(parent, title, text, buttons);
    }
    return QMessageBox::NoButton;
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
