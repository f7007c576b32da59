#include "common/TestRegistry.h"

#include "app/AppSetup.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <memory>

std::vector<TestRegistry::Entry>& TestRegistry::entries()
{
    static std::vector<Entry> registered;
    return registered;
}

int TestRegistry::add(const char* name, Factory create)
{
    entries().push_back({name, std::move(create)});
    return static_cast<int>(entries().size());
}

int TestRegistry::runAll(int argc, char** argv)
{
    // A first argument naming a class selects that class alone; the rest goes
    // to QTest.
    const char* only = nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (argc > 1) {
        for (const Entry& entry : entries()) {
            if (std::strcmp(argv[1], entry.name) == 0) {
                only = entry.name;
                args.erase(args.begin() + 1);
                break;
            }
        }
    }
    int failures = 0;
    for (const Entry& entry : entries()) {
        if (only && std::strcmp(only, entry.name) != 0)
            continue;
        std::unique_ptr<QObject> test(entry.create());
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    installQtRussianTranslation(application);
    initLirResources();
    return TestRegistry::runAll(argc, argv);
}
