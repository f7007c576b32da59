#pragma once

#include "dialogs/UserDialogs.h"

class QTextStream;

// The dialogs of the editor for a program without a screen: every message
// box becomes one line "SOURCE: TITLE: TEXT" on `out` (line breaks in the
// text become spaces). Nobody can answer, so questions get the refusing
// answer (No, else Cancel) and file, item and print dialogs are cancelled.
// Installed for its lifetime unless made with Installation::None.
class PrintingDialogs : public UserDialogs
{
public:
    enum class Installation
    {
        ForLifetime,
        None
    };

    explicit PrintingDialogs(QTextStream& out,
                             Installation installation = Installation::ForLifetime);
    ~PrintingDialogs() override;
    PrintingDialogs(const PrintingDialogs&) = delete;
    PrintingDialogs& operator=(const PrintingDialogs&) = delete;

    // What the following messages are about, usually a file name.
    void setSource(const QString& source) { m_Source = source; }
    // The number of messages printed so far.
    int printedCount() const { return m_Printed; }

    // One message line as printed, without the line end.
    static QString formatLine(const QString& source, const QString& title, const QString& text);

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
    QTextStream& m_Out;
    QString m_Source;
    int m_Printed = 0;
    bool m_Installed;
    UserDialogs* m_Previous;
};
