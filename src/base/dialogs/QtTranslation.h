#pragma once

class QCoreApplication;

// Installs Qt's own Russian translation "qt_ru" from Qt's translations
// directory, so that the texts Qt gives (reasons of file errors, the buttons
// of its dialogs) read in Russian like the program's own. A missing
// translation is not reported; the result only tells whether it was found.
bool installQtRussianTranslation(QCoreApplication& application);
