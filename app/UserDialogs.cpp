#include "app/UserDialogs.h"

#include "app/QtUserDialogs.h"

namespace {
UserDialogs* g_installedDialogs = nullptr;
}

UserDialogs::~UserDialogs() = default;

UserDialogs& UserDialogs::current()
{
    static QtUserDialogs realDialogs;
    return g_installedDialogs ? *g_installedDialogs : realDialogs;
}

UserDialogs* UserDialogs::install(UserDialogs* dialogs)
{
    UserDialogs* previous = g_installedDialogs;
    g_installedDialogs = dialogs;
    return previous;
}

void UserDialogs::about(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::About, parent, title, text, QMessageBox::Ok);
}

void UserDialogs::warning(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::Warning, parent, title, text, QMessageBox::Ok);
}

void UserDialogs::critical(QWidget* parent, const QString& title, const QString& text)
{
    current().message(Kind::Critical, parent, title, text, QMessageBox::Ok);
}

bool UserDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return current().message(Kind::Information, parent, title, text,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
