#pragma once

#include "link/ControllerPort.h"

class QWidget;

// The choice of the serial port for a controller command.
class PortChooser
{
public:
    // Lets the user pick one of the usable ports. Returns an empty port with
    // `cancelled` set when the user cancels or when there is no port to
    // offer (the user has then been told so).
    static ControllerPort choose(QWidget* parent, bool& cancelled);

    static QString noPortTitle();
    static QString noPortText();
};
