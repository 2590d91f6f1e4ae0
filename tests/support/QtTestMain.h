#pragma once
// Window tests: each file registers its QtTest class with VRH_QT_TEST(Class); one executable per library
// holds them all and runs the class named on its command line (all of them without one), one per process.
#include <QObject>

#include <functional>
#include <memory>

namespace vrh::test {
bool registerQtTest(const char* name, std::function<std::unique_ptr<QObject>()> make);
}

#define VRH_QT_TEST(Class)                                 \
    static const bool registered##Class [[maybe_unused]] = \
        vrh::test::registerQtTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
