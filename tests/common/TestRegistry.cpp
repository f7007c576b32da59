#include "common/TestRegistry.h"

#include "app/AppSetup.h"
#include "common/ScriptedDialogs.h"
#include "dialogs/QtTranslation.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>

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
    // "--classes A B ..." checks that the classes registered are exactly the
    // ones listed, so that the build never leaves a class out of the suite.
    if (argc > 1 && std::strcmp(argv[1], "--classes") == 0) {
        const std::set<std::string> listed(argv + 2, argv + argc);
        std::set<std::string> registered;
        for (const Entry& entry : entries())
            registered.insert(entry.name);
        for (const std::string& name : registered) {
            if (!listed.count(name))
                std::printf("registered, yet not run by CTest: %s\n", name.c_str());
        }
        for (const std::string& name : listed) {
            if (!registered.count(name))
                std::printf("run by CTest, yet not registered: %s\n", name.c_str());
        }
        return listed == registered ? 0 : 1;
    }
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
    // A test that installs no dialogs of its own never waits for a person
    // either: a question it did not expect fails it at once.
    ScriptedDialogs fallback;
    return TestRegistry::runAll(argc, argv);
}
