#pragma once

#include "dialogs/UserDialogs.h"

class QInputDialog;

// The real dialogs of the widget library.
class QtUserDialogs : public UserDialogs
{
public:
    // Makes the real dialogs the ones used while no others are installed.
    static void makeDefault();

    Button message(Kind kind, QWidget* parent, const QString& title, const QString& text,
                   Buttons buttons) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString chooseItem(QWidget* parent, const QString& title, const QString& label,
                       const QStringList& items, int current, bool* ok) override;
    bool acceptPrintDialog(QPrinter* printer, QWidget* parent) override;

    // The non-editable item choice that chooseItem runs, not yet shown (the
    // caller owns it): QInputDialog::getItem's dialog, kept within the
    // screen however long its entries are.
    static QInputDialog* itemDialog(QWidget* parent, const QString& title, const QString& label,
                                    const QStringList& items, int current);
};
