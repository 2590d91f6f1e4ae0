#include "tests/support/QtTestMain.h"

#include <QApplication>
#include <QtTest>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vrh::test {

namespace {
std::map<std::string, QtTestFactory>& registry() {
    static std::map<std::string, QtTestFactory> tests;
    return tests;
}
}  // namespace

bool registerQtTest(const char* name, QtTestFactory make) {
    registry().emplace(name, std::move(make));
    return true;
}

}  // namespace vrh::test

// Usage: <exe> [Class [QtTest options...]]
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto& tests = vrh::test::registry();
    const bool named = argc > 1 && argv[1][0] != '-';
    if (named && !tests.contains(argv[1])) {
        std::fprintf(stderr, "no test class %s\n", argv[1]);
        return 2;
    }
    std::vector<char*> args{argv[0]};
    for (int i = named ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
    int failures = 0;
    for (const auto& [name, make] : tests) {
        if (named && name != argv[1]) continue;
        auto test = make();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
