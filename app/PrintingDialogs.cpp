#include "app/PrintingDialogs.h"

#include <QRegularExpression>
#include <QTextStream>

PrintingDialogs::PrintingDialogs(QTextStream& out)
    : m_Out(out), m_Previous(UserDialogs::install(this))
{
}

PrintingDialogs::~PrintingDialogs()
{
    UserDialogs::install(m_Previous);
}

QString PrintingDialogs::formatLine(const QString& source, const QString& title,
                                    const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    QString oneLine = text;
    oneLine.replace(lineBreak, QStringLiteral(" "));
    return source + QStringLiteral(": ") + title + QStringLiteral(": ") + oneLine;
}

QMessageBox::StandardButton PrintingDialogs::message(Kind, QWidget*, const QString& title,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons)
{
    m_Out << formatLine(m_Source, title, text) << '\n';
    m_Out.flush();
    ++m_Printed;
    for (QMessageBox::StandardButton refusal : {QMessageBox::No, QMessageBox::Cancel}) {
        if (buttons & refusal)
            return refusal;
    }
    return buttons & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::NoButton;
}

QString PrintingDialogs::openFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return QString();
}

QString PrintingDialogs::saveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return QString();
}

QString PrintingDialogs::chooseItem(QWidget*, const QString&, const QString&, const QStringList&,
                                    int, bool* ok)
{
    if (ok)
        *ok = false;
    return QString();
}

bool PrintingDialogs::acceptPrintDialog(QPrinter*, QWidget*)
{
    return false;
}
