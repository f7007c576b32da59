#include "app/AppSetup.h"

#include "app/MainWindow.h"
#include "dialogs/QtTranslation.h"

#include <QApplication>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
}

void initLirResources()
{
    initResourcesOutsideNamespace();
}

int runEditor(int& argc, char** argv)
{
    QApplication application(argc, argv);
    installQtRussianTranslation(application);
    MainWindow window;
    window.showMaximized();
    return application.exec();
}
