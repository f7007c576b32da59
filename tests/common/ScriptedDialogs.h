#pragma once

#include "dialogs/UserDialogs.h"

#include <QList>
#include <QQueue>
#include <QVariant>

// Installed for the life of a test: records every dialog the program shows
// and answers from a script. Boxes with only an OK button need no answer.
// A dialog that needs an answer and has none fails the running test at once
// (answered with the cancelling choice), so a test never waits for a person.
// The failure names the dialog and points at the test's line that installed
// the dialogs: the default arguments take the place of the caller.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Shown
    {
        QString kind; // "about", "noicon", "information", "warning", "critical",
                      // "open", "save", "item", "print"
        QString title;
        QString text;
        QWidget* parent = nullptr;
        QStringList items; // item choice: the entries; file dialogs: the filter
        QString directory; // file dialogs: the start directory
    };

    explicit ScriptedDialogs(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    ~ScriptedDialogs() override;

    // Answers, consumed in order by the dialogs that need one.
    void answerButton(Button button);
    void answerYes() { answerButton(Yes); }
    void answerNo() { answerButton(No); }
    void answerFileName(const QString& name); // empty name = cancel
    void answerItem(const QString& item);     // the chosen entry
    void answerItemCancel();
    void answerPrintDialog(bool accept);

    const QList<Shown>& shown() const { return m_Shown; }
    QStringList titles() const;
    // Each dialog shown as "kind|title|text".
    QStringList messages() const;
    int pendingAnswers() const { return m_Answers.size(); }
    void clear();

    Button message(Kind kind, QWidget* parent, const QString& title, const QString& text,
                   Buttons buttons) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString chooseItem(QWidget* parent, const QString& title, const QString& label,
                       const QStringList& items, int current, bool* ok) override;
    bool acceptPrintDialog(QPrinter* printer, QWidget* parent) override;

private:
    struct Answer
    {
        QString kind; // "button", "file", "item", "print"
        QVariant value;
    };
    bool takeAnswer(const QString& kind, QVariant& value, const Shown& shown);
    QString fileName(const QString& kind, QWidget* parent, const QString& caption,
                     const QString& dir, const QString& filter);

    QList<Shown> m_Shown;
    QQueue<Answer> m_Answers;
    UserDialogs* m_Previous;
    const char* m_File;
    int m_Line;
};
