#include "tests/support/QtTestMain.h"

#include <QApplication>
#include <QtTest>

#include <map>
#include <string>
#include <vector>

using Factories = std::map<std::string, std::function<std::unique_ptr<QObject>()>>;
static Factories& registry() {
    static Factories tests;  // filled by static initialisers, hence not a plain global
    return tests;
}

bool vrh::test::registerQtTest(const char* name, std::function<std::unique_ptr<QObject>()> make) {
    return registry().emplace(name, std::move(make)).second;
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
        if (!named || name == argv[1]) failures += QTest::qExec(make().get(), int(args.size()), args.data());
    return failures == 0 ? 0 : 1;
}
