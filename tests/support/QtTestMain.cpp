#include "tests/support/QtTestMain.h"

#include <QApplication>
#include <QtTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

using Registry = std::map<std::string, vrh::test::MakeTest>;
static Registry& registry() {
    static Registry tests;  // filled by static initialisers, hence not a plain global
    return tests;
}
bool vrh::test::registerQtTest(const char* name, MakeTest make) {
    return registry().emplace(name, make).second;
}

// Usage: <exe> [Class [QtTest options...]]
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool named = argc > 1 && argv[1][0] != '-';
    if (named && !registry().contains(argv[1])) return std::fprintf(stderr, "no test class %s\n", argv[1]), 2;
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + (named ? 2 : 1), argv + argc);
    int failures = 0;
    for (const auto& [name, make] : registry())
        if (!named || name == argv[1])
            failures += QTest::qExec(std::unique_ptr<QObject>(make()).get(), int(args.size()), args.data());
    return failures == 0 ? 0 : 1;
}
