#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Every message box, question, file dialog, item choice and print dialog of
// the program goes through the installed UserDialogs. The program uses the
// real Qt dialogs (QtUserDialogs); tests install a scripted answerer and the
// command-line tools one that prints.
class UserDialogs
{
public:
    enum class Kind
    {
        About,       // QMessageBox::about: plain box, one OK button
        NoIcon,      // modal box without icon
        Information, // QMessageBox::information
        Warning,     // QMessageBox::warning
        Critical     // QMessageBox::critical
    };

    virtual ~UserDialogs();

    virtual QMessageBox::StandardButton message(Kind kind, QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons) = 0;
    // Both file dialogs return an empty name when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    // The non-editable item choice; `ok` is false when the user cancels.
    virtual QString chooseItem(QWidget* parent, const QString& title, const QString& label,
                               const QStringList& items, int current, bool* ok) = 0;
    // True when the user accepted the print dialog for `printer`.
    virtual bool acceptPrintDialog(QPrinter* printer, QWidget* parent) = 0;

    // The dialogs in use; the real Qt dialogs unless something else is installed.
    static UserDialogs& current();
    // Installs `dialogs` (not owned; nullptr restores the real dialogs) and
    // returns what was installed before.
    static UserDialogs* install(UserDialogs* dialogs);

    // Shorthands for the message boxes with one OK button.
    static void about(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void critical(QWidget* parent, const QString& title, const QString& text);
    // An information box with Yes and No; true only for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text);
};
