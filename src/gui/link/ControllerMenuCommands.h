#pragma once

#include <QByteArray>
#include <QString>

class MainWindow;
class ControllerPort;

// The menu commands "Считать из контроллера" and "Записать в контроллер" of
// the main window.
class ControllerMenuCommands
{
public:
    explicit ControllerMenuCommands(MainWindow& window);

    void loadFromLir();
    void saveToLir();

private:
    bool choosePort(ControllerPort& port);
    void takeLoadedDocument(const QByteArray& text);
    // The serialised current document, or nothing when there is none.
    QByteArray documentToWrite() const;

    MainWindow& m_Window;
};
