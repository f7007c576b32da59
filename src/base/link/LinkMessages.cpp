#include "link/LinkMessages.h"

#include "dialogs/UserDialogs.h"

QString LinkMessages::title()
{
    return QStringLiteral("Ошибка...");
}

QString LinkMessages::linkFailure()
{
    return QStringLiteral("Ошибка связи с устройством");
}

QString LinkMessages::versionMismatch()
{
    return QStringLiteral("Версия текущих настроек и контроллера не совпадает.");
}

QString LinkMessages::noDocumentFromController()
{
    return QStringLiteral("Контроллер не передал документ настроек. Текущий документ не изменён.");
}

void LinkMessages::show(const QString& text)
{
    UserDialogs::about(nullptr, title(), text);
}

QString LinkMessages::readTitle()
{
    return QStringLiteral("Считать из контроллера");
}

QString LinkMessages::writeTitle()
{
    return QStringLiteral("Записать в контроллер");
}

QString LinkMessages::writeSucceededText()
{
    return QStringLiteral("Удачно записаны настройки.");
}

QString LinkMessages::noDocumentToWriteText()
{
    return QStringLiteral("Нет документа настроек для записи в контроллер.");
}
