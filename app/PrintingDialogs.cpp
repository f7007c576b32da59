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

QMessageBox::StandardButton PrintingDialogs::message(Kind kind, QWidget* parent,
                                                     const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons)
{
    Q_UNUSED(kind);
    Q_UNUSED(parent);
    m_Out << formatLine(m_Source, title, text) << '\n';
    m_Out.flush();
    ++m_Printed;
    for (QMessageBox::StandardButton refusal : {QMessageBox::No, QMessageBox::Cancel}) {
        if (buttons & refusal)
            return refusal;
    }
    return buttons & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::NoButton;
}

QString PrintingDialogs::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    Q_UNUSED(parent);
    Q_UNUSED(caption);
    Q_UNUSED(dir);
    Q_UNUSED(filter);
    return QString();
}

QString PrintingDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                      const QString& filter)
{
    Q_UNUSED(parent);
    Q_UNUSED(caption);
    Q_UNUSED(dir);
    Q_UNUSED(filter);
    return QString();
}

QString PrintingDialogs::chooseItem(QWidget* parent, const QString& title, const QString& label,
                                    const QStringList& items, int current, bool* ok)
{
    Q_UNUSED(parent);
    Q_UNUSED(title);
    Q_UNUSED(label);
    Q_UNUSED(items);
    Q_UNUSED(current);
    if (ok)
        *ok = false;
    return QString();
}

bool PrintingDialogs::acceptPrintDialog(QPrinter* printer, QWidget* parent)
{
    Q_UNUSED(printer);
    Q_UNUSED(parent);
    return false;
}
