#pragma once
// Window tests: each file registers its QtTest class with VRH_QT_TEST(Class);
// one executable per library holds them all and runs the class named on its
// command line (all of them without one), each in a fresh process under ctest.
#include <QObject>

#include <functional>
#include <memory>

namespace vrh::test {

using QtTestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerQtTest(const char* name, QtTestFactory make);

}  // namespace vrh::test

#define VRH_QT_TEST(Class)                                 \
    static const bool registered##Class [[maybe_unused]] = \
        vrh::test::registerQtTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
