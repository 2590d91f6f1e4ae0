#pragma once
// Window tests: each file registers its QtTest class with VRH_QT_TEST(Class); one executable per library
// holds them all and runs the class named on its command line (all of them without one), one per process.
#include <QObject>

namespace vrh::test {
using MakeTest = QObject* (*)();
bool registerQtTest(const char* name, MakeTest make);
}  // namespace vrh::test

#define VRH_QT_TEST(Class)                                 \
    static const bool registered##Class [[maybe_unused]] = \
        vrh::test::registerQtTest(#Class, []() -> QObject* { return new Class; });
