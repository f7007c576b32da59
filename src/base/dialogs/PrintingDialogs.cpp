#include "dialogs/PrintingDialogs.h"

#include <QRegularExpression>
#include <QTextStream>

PrintingDialogs::PrintingDialogs(QTextStream& out, Installation installation)
    : m_Out(out), m_Installed(installation == Installation::ForLifetime),
      m_Previous(m_Installed ? UserDialogs::install(this) : nullptr)
{
}

PrintingDialogs::~PrintingDialogs()
{
    if (m_Installed)
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

UserDialogs::Button PrintingDialogs::message(Kind, QWidget*, const QString& title,
                                             const QString& text, Buttons buttons)
{
    m_Out << formatLine(m_Source, title, text) << '\n';
    m_Out.flush();
    ++m_Printed;
    for (Button refusal : {No, Cancel}) {
        if (buttons & refusal)
            return refusal;
    }
    return buttons & Ok ? Ok : NoButton;
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
