#include "link/PortChooser.h"

#include "app/UserDialogs.h"
#include "link/SerialPorts.h"

#include <QVector>

QSerialPortInfo PortChooser::choose(QWidget* parent, bool& cancelled)
{
    const QList<QSerialPortInfo> ports = SerialPorts::available();
    QStringList entries;
    QVector<int> portIndexes;
    for (int i = 0; i < ports.size(); ++i) {
        if (SerialPorts::isUsable(ports.at(i))) {
            entries.append(SerialPorts::displayName(ports.at(i)));
            portIndexes.append(i);
        }
    }
    cancelled = true;
    if (entries.isEmpty()) {
        UserDialogs::about(parent, noPortTitle(), noPortText());
        return QSerialPortInfo();
    }
    bool accepted = false;
    const QString chosen = UserDialogs::current().chooseItem(
        parent, QStringLiteral("Выберите"), QStringLiteral("ЛИР:"), entries, 0, &accepted);
    const int entry = entries.indexOf(chosen);
    if (!accepted || entry < 0)
        return QSerialPortInfo();
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
