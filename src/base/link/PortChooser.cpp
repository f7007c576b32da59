#include "link/PortChooser.h"

#include "dialogs/UserDialogs.h"

#include <QVector>

ControllerPort PortChooser::choose(QWidget* parent, bool& cancelled)
{
    const QList<ControllerPort> ports = ControllerPort::available();
    QStringList entries;
    QVector<int> portIndexes;
    for (int i = 0; i < ports.size(); ++i) {
        if (ports.at(i).isUsable()) {
            entries.append(ports.at(i).displayName());
            portIndexes.append(i);
        }
    }
    cancelled = true;
    if (entries.isEmpty()) {
        UserDialogs::about(parent, noPortTitle(), noPortText());
        return ControllerPort();
    }
    bool accepted = false;
    const QString chosen = UserDialogs::current().chooseItem(
        parent, QStringLiteral("Выберите"), QStringLiteral("ЛИР:"), entries, 0, &accepted);
    const int entry = entries.indexOf(chosen);
    if (!accepted || entry < 0)
        return ControllerPort();
    cancelled = false;
    return ports.at(portIndexes.at(entry));
}

QString PortChooser::noPortTitle()
{
    return QStringLiteral("Выбор порта");
}

QString PortChooser::noPortText()
{
    return QStringLiteral("В системе не найдено ни одного последовательного порта.");
}
