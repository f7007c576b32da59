#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Every message box, question, file dialog, item choice and print dialog of
// the program goes through the installed UserDialogs. The editor uses the
// real Qt dialogs (QtUserDialogs, made the default by the main window); tests
// install a scripted answerer and the command-line tools one that prints.
// Nothing here needs the widget library: widgets are only passed through as
// the parents of the dialogs.
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

    // The buttons of a message box, with the values of QMessageBox's
    // standard buttons so that the real dialogs pass them on unchanged.
    enum Button : unsigned
    {
        NoButton = 0x00000000,
        Ok = 0x00000400,
        Yes = 0x00004000,
        No = 0x00010000,
        Cancel = 0x00400000
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~UserDialogs();

    virtual Button message(Kind kind, QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons) = 0;
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

    // The dialogs in use: the installed ones, else the default ones, else
    // dialogs that print every message on standard error and answer nothing.
    static UserDialogs& current();
    // Installs `dialogs` (not owned; nullptr removes them) and returns what
    // was installed before.
    static UserDialogs* install(UserDialogs* dialogs);
    // The dialogs used while none are installed (not owned; kept for the
    // life of the process).
    static void setDefault(UserDialogs* dialogs);

    // Shorthands for the message boxes with one OK button.
    static void about(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void critical(QWidget* parent, const QString& title, const QString& text);
    static void information(QWidget* parent, const QString& title, const QString& text);
    // An information box with Yes and No; true only for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& text);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserDialogs::Buttons)
