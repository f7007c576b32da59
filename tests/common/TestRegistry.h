#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Test classes of one subsystem register themselves here and run from the
// shared main(). Run one class with `tst_<subsystem> ClassName [qtest args]`;
// CTest names each class's test after the class (`ctest -R TestLineInBox`).
class TestRegistry
{
public:
    using Factory = std::function<QObject*()>;
    struct Entry
    {
        const char* name;
        Factory create;
    };

    static std::vector<Entry>& entries();
    static int add(const char* name, Factory create);
    static int runAll(int argc, char** argv);
};

#define LIR_TEST_CLASS(ClassName)                                                                  \
    static const int ClassName##_registered =                                                      \
        TestRegistry::add(#ClassName, [] { return static_cast<QObject*>(new ClassName); });
