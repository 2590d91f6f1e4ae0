// The start-up window: media extraction, default buttons, the exit watchdog.
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include <unistd.h>

#include "meta/TextFile.h"
#include "windows/title/TitleMenuWindow.h"
#include "windows/title/StartupWindow.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;
namespace fs = std::filesystem;

namespace {

class FakeMedia : public ResourceSource {
public:
    std::optional<std::string> LoadResData(int id) const override {
        ++loads;
        return "media " + std::to_string(id);
    }
    mutable int loads = 0;
};

struct Startup {
    explicit Startup(const std::string& flagText, std::string folder = {}) : kit(false, std::move(folder)) {
        if (flagText != "<none>") kit.write("ws.txt", flagText);
        kit.forms->setFactory(FormId::startup, [this](Forms& f) -> Form* {
            auto* w = new StartupWindow(f, media);
            w->onQuit = [this] { ++quits; };
            return w;
        });
        kit.forms->load(FormId::startup);
    }
    int mediaFiles() const {
        int n = 0;
        for (const MediaEntry& m : kMediaTable) n += fs::exists(kit.folder + std::string(m.fileText));
        return n;
    }

    FakeMedia media;
    ShellKit kit;
    int quits = 0;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the flag file reader's exact "Yes", extraction and the flag turned to "No".
    void flagFileDecides() {
        struct Case { const char* flag; int loads; const char* after; };  // "<none>": no file
        for (const Case& c : {Case{"Yes\r\n", 19, "No\r\n"}, Case{"yes\r\n", 0, "yes\r\n"},
                              Case{"Yes\r\nYes\r\n", 38, "No\r\n"}, Case{"<none>", 19, "No\r\n"}}) {
            Startup s(c.flag);
            QVERIFY2(s.media.loads == c.loads && s.mediaFiles() == (c.loads ? 19 : 0), c.flag);
            if (c.loads) QCOMPARE(s.kit.read("ts1.mp3"), std::string("media 117"));
            QCOMPARE(s.kit.read("ws.txt"), std::string(c.after));
            QVERIFY(s.kit.msg.shown().empty());
            QVERIFY(s.kit.get<TitleMenuWindow>(FormId::titleMenu)->isVisible() && !s.kit.forms->find(FormId::startup)->isVisible());
            Startup next("<none>", s.kit.folder);  // the next start of the program
            QCOMPARE(next.media.loads, std::string(c.after) == "No\r\n" ? 0 : c.loads);
        }
    }

    // Guards a restart keeping old bindings or window flags.
    void startResetsFlagsAndButtonMap() {
        Startup s("No\r\n");
        ButtonMap& k = s.kit.app->globals.keys;
        k = ButtonMap{65, 1, 2, 3, 4, 5, 6, 7, 8, 9, 101, 9};
        s.kit.app->globals.flags.gameShowing = s.kit.app->globals.flags.upgradesShowing = true;
        s.kit.forms->unload(FormId::startup);
        s.kit.forms->unload(FormId::titleMenu);
        s.kit.forms->load(FormId::startup);
        const int defaults[12] = {32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16};
        const Int16* map[12] = {&k.keyA, &k.keyB, &k.keyC, &k.keyX, &k.keyY, &k.keyZ,
                                &k.keyUp, &k.keyDown, &k.keyLeft, &k.keyRight, &k.keyStart, &k.keySelect};
        for (int i = 0; i < 12; ++i) QCOMPARE(int(*map[i]), defaults[i]);
        const WindowFlags& f = s.kit.app->globals.flags;
        QVERIFY(f.mainMenuShowing && !f.gameShowing && !f.upgradesShowing);
    }

    // Guards an unwritable folder failing silently, once per file, or stopping the game.
    void unwritableFolderIsToldOnceAndTheGameRuns() {
        QTemporaryDir base;
        std::string folder = base.path().toStdString() + "/ro";
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        if (::access(folder.c_str(), W_OK) == 0) {  // root: the folder lies under a plain file instead
            std::ofstream(base.path().toStdString() + "/blocker") << "x";
            folder = base.path().toStdString() + "/blocker/app";
        }
        Startup s("<none>", folder);
        QCOMPARE(s.kit.msg.shown().size(), size_t(1));
        QVERIFY(!s.kit.msg.shown()[0].isQuestion && s.kit.msg.shown()[0].text.find(folder) != std::string::npos);
        QCOMPARE(s.media.loads, 1);  // the first refused file ends the extraction
        QVERIFY(s.kit.forms->loaded(FormId::titleMenu));
        fs::permissions(base.path().toStdString() + "/ro", fs::perms::owner_all);
    }

    // Guards the exit watchdog ending the program under an open window, or never.
    void watchdogWaitsWhileAWindowCountsAsOpen() {
        Startup s("No\r\n");
        s.kit.clock.advance(1000);
        QCOMPARE(s.quits, 0);
        WindowFlags& f = s.kit.app->globals.flags;
        f.mainMenuShowing = false;
        for (bool WindowFlags::*flag : {&WindowFlags::loadShowing, &WindowFlags::gameShowing,
                                        &WindowFlags::highScoresShowing, &WindowFlags::buttonConfigShowing,
                                        &WindowFlags::nameShowing, &WindowFlags::aboutShowing,
                                        &WindowFlags::optionsShowing}) {
            f.*flag = true;
            s.kit.clock.advance(300);
            QCOMPARE(s.quits, 0);
            f.*flag = false;
        }
        f.upgradesShowing = true;  // the shop's flag is not consulted
        s.kit.clock.advance(100);
        QCOMPARE(s.quits, 1);
    }

    // Guards a program left running with no window to reach it (a flag left set).
    void aSecondWithNoWindowShownEndsTheProgram() {
        Startup s("No\r\n");
        auto* startup = s.kit.get<StartupWindow>(FormId::startup);
        bool shown = false;
        startup->anyWindowShown = [&] { return shown; };
        s.kit.app->globals.flags.gameShowing = true;  // a flag nobody will clear
        s.kit.clock.advance(900);
        shown = true;  // a window came back in time: the count starts again
        s.kit.clock.advance(100);
        shown = false;
        s.kit.clock.advance(900);
        QCOMPARE(s.quits, 0);
        s.kit.clock.advance(100);
        QCOMPARE(s.quits, 1);
    }

    // Guards Quit leaving windows, a name prompt flag or sound devices open.
    void quitFromTheTitleEndsTheProgram() {
        Startup s("No\r\n");
        ShellKit& k = s.kit;
        k.front(FormId::titleMenu);
        k.app->snd.tankShotSound.open(k.app->paths.fileTankShot);
        for (FormId id : {FormId::highScores, FormId::namePrompt, FormId::upgradeShop, FormId::saveSlots})
            k.forms->load(id);
        k.app->globals.flags.nameShowing = true;  // a name prompt left open
        k.clock.advance(1000);                    // the menu takes input from now on
        k.keys.tap(38);
        k.clock.advance(100);
        k.keys.tap(13);
        k.clock.advance(100);
        QVERIFY(!k.app->globals.flags.mainMenuShowing && !k.app->globals.flags.nameShowing);
        QCOMPARE(s.quits, 0);
        k.clock.advance(100);
        QCOMPARE(s.quits, 1);
        for (int id = 0; id < int(FormId::Count); ++id) QVERIFY(!k.forms->loaded(FormId(id)));
        QVERIFY(k.standInUnloads == (std::vector<FormId>{FormId::highScores, FormId::upgradeShop,
                                                         FormId::saveSlots, FormId::namePrompt}));
        QVERIFY(!k.app->snd.titleOpeningSound.isOpen() && !k.app->snd.tankShotSound.isOpen());
        k.clock.advance(1000);
        QCOMPARE(s.quits, 1);
    }
};

VRH_QT_TEST(StartupTest)
#include "startup_test.moc"
