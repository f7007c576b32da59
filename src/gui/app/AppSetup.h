#pragma once

class QCoreApplication;

// Registers the images compiled into the core library.
void initLirResources();

// Installs the widget library's own Russian translation "qt_ru" from the
// library's translations directory. A missing translation is not reported;
// the result only tells whether it was found.
bool installQtRussianTranslation(QCoreApplication& application);

// The editor's entry: application, translation, maximised main window, event
// loop. Returns the exit code.
int runEditor(int& argc, char** argv);
