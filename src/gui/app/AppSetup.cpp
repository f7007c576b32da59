#include "app/AppSetup.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(resources);
}

void initLirResources()
{
    initResourcesOutsideNamespace();
}

bool installQtRussianTranslation(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qt_ru"),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runEditor(int& argc, char** argv)
{
    QApplication application(argc, argv);
    installQtRussianTranslation(application);
    MainWindow window;
    window.showMaximized();
    return application.exec();
}
