#include "dialogs/UserDialogs.h"

#include "dialogs/PrintingDialogs.h"

#include <QTextStream>

#include <cstdio>

namespace {
UserDialogs* g_installedDialogs = nullptr;
UserDialogs* g_defaultDialogs = nullptr;

// A program that shows no window and installed no dialogs still says what
// went wrong, and never waits for an answer.
UserDialogs& standardErrorDialogs()
{
    static QTextStream err(stderr);
    static PrintingDialogs dialogs(err, PrintingDialogs::Installation::None);
    return dialogs;
}
} // namespace

UserDialogs::~UserDialogs() = default;

UserDialogs& UserDialogs::current()
{
    if (g_installedDialogs)
        return *g_installedDialogs;
    return g_defaultDialogs ? *g_defaultDialogs : standardErrorDialogs();
}

UserDialogs* UserDialogs::install(UserDialogs* dialogs)
{
    UserDialogs* previous = g_installedDialogs;
    g_installedDialogs = dialogs;
    return previous;
}

void UserDialogs::setDefault(UserDialogs* dialogs)
{
    g_defaultDialogs = dialogs;
}

void UserDialogs::about(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::About, parent, title, text, Ok);
}

void UserDialogs::warning(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::Warning, parent, title, text, Ok);
}

void UserDialogs::critical(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::Critical, parent, title, text, Ok);
}

void UserDialogs::information(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::Information, parent, title, text, Ok);
}

bool UserDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return current().message(Kind::Information, parent, title, text, Yes | No) == Yes;
}
