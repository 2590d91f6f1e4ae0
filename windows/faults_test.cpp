// A folder the program cannot write; score and save files damaged by hand.
#include "windows/ShellTestKit.h"

#include <QtTest>

#include "tests/support/QtTestMain.h"
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <random>

#include "meta/HighScoreTable.h"
#include "meta/SaveSlots.h"
#include "windows/progress/HighScoresWindow.h"
#include "windows/progress/SaveSlotsWindow.h"
#include "platform/AppFolder.h"
#include "ui/DeferredDelete.h"

using namespace vrh;
using namespace vrh::test;
namespace fs = std::filesystem;

namespace {
// How many boxes told the player that a file cannot be read.
int refusalNotices(const ScriptedMessageBoxes& msg) {
    return int(std::count_if(msg.shown().begin(), msg.shown().end(), [](const auto& b) {
        return b.text.find("cannot read") != std::string::npos;
    }));
}

std::string randomBytes(uint32_t seed, size_t n) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s) c = char(rng() % 256);
    return s;
}
}  // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the fallback folder when the program's own cannot be written.
    void aFolderThatCannotBeWrittenFallsBackAndTheScoresGoThere() {
        const test::ScratchFolder base("vrh_readonly");
        fs::path exe = base / "exe";
        fs::create_directories(exe);
        fs::permissions(exe, fs::perms::owner_read | fs::perms::owner_exec);
        if (::access(exe.c_str(), W_OK) == 0) {  // root writes anywhere: the folder lies under a plain file
            std::ofstream(base / "blocker") << "x";
            exe = base / "blocker" / "exe";
        }
        const QByteArray xdgBefore = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", (base / "data").string().c_str());
        const fs::path folder = chooseAppFolder(exe);
        QCOMPARE(folder, base / "data" / "varnholt");
        QVERIFY(fs::is_directory(folder));

        {
            Rig r(true, true, folder.string());
            r.app->globals.playerName = "Ro";
            r.forms->show(FormId::game);
            r.fg.setForeground(r.forms->find(FormId::game)->handle());
            const auto x0 = r.app->g.playerX;
            r.keys.keyDown(r.app->globals.keys.keyRight);
            r.tick(3000);
            QVERIFY(r.app->g.playerX != x0);  // it plays
            r.app->g.score = 123456;
            r.app->g.lives = 0;
            r.tick(50);  // game over
            QVERIFY(r.get<HighScoresWindow>(FormId::highScores));
            QVERIFY(topmostRowWithScore(parseHighScores(r.read(kHighScoreFileName)).table, 123456).has_value());
        }
        QVERIFY(fs::exists(folder / kHighScoreFileName));
        if (fs::is_directory(exe)) QVERIFY(fs::is_empty(exe));  // nothing went next to the program
        fs::permissions(base / "exe", fs::perms::owner_all);
        if (xdgBefore.isNull()) qunsetenv("XDG_DATA_HOME");
        else qputenv("XDG_DATA_HOME", xdgBefore);
    }

    // Guards the score window failing on noise after a whole entry, or losing that entry.
    void damagedScoreFileOpensAndKeepsWhatWasReadable() {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            Rig r(false);
            r.write(kHighScoreFileName, "\"Smith, Jr.\"\r\n 90000 \r\n 9 \r\n" + randomBytes(seed, 2000));
            r.app->globals.playerName = "Eve";
            r.app->g.score = 10;
            r.forms->show(FormId::highScores);
            QCOMPARE(r.get<HighScoresWindow>(FormId::highScores)->table().entries[0].name, std::string("Smith, Jr."));
            r.tick(300);
            const HighScoreRead again = parseHighScores(r.read(kHighScoreFileName));
            QCOMPARE(again.table.entries[0].name, std::string("Smith, Jr."));
            QCOMPARE(rankValue(again.table.entries[0].score), 90000.0);
        }
    }

    // Guards the picker failing on noise after a whole slot, or writing on load.
    void damagedSaveFileShowsItsSlotsAndLoadsTheWholeOne() {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            Rig r;
            const std::string file = "\"Ann, the first\"\r\n 3 \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n" +
                                     randomBytes(seed, 600);
            r.write(kSaveFileName, file);
            r.app->globals.loadMode = true;
            r.forms->show(FormId::saveSlots);
            SaveSlotsWindow* w = r.get<SaveSlotsWindow>(FormId::saveSlots);
            QVERIFY(w);
            QCOMPARE(w->slotNameLabel[0]->text(), QStringLiteral("Name:Ann, the first"));
            r.msg.answer(MsgButton::Yes);
            w->onSlotClicked(0);
            QVERIFY(r.game());
            QCOMPARE(int(r.app->g.level), 3);
            QCOMPARE(r.app->globals.playerName, std::string("Ann, the first"));
            QCOMPARE(r.read(kSaveFileName), file);
        }
    }

    // Guards a window deleted by the nested loop of a box its own handler opened.
    void aWindowUnloadedWhileABoxIsOpenLivesUntilItsHandlerReturned() {
        QPointer<QWidget> window = new QWidget;
        bool aliveAfterTheBox = false;
        QEventLoop mainLoop;
        QTimer::singleShot(0, [&] {  // the window's timer handler opens a box
            QEventLoop box;
            QTimer::singleShot(0, [&] {  // inside the box another window's timer unloads it
                deleteWhenHandlersReturned(window);
                QTimer::singleShot(60, &box, &QEventLoop::quit);
            });
            box.exec();
            aliveAfterTheBox = !window.isNull();
            QTimer::singleShot(60, &mainLoop, &QEventLoop::quit);
        });
        mainLoop.exec();
        QVERIFY(aliveAfterTheBox);
        QTRY_VERIFY(window.isNull());  // and it does go
    }

    // Guards a folder or a link in a file's place being replaced, followed, or
    // complained about more than once.
    void whatStandsInAFilesPlaceIsLeftAloneAndTheyAreToldOnce() {
        const test::ScratchFolder outside("vrh_outside");
        const std::pair<const char*, std::function<void(const fs::path&)>> kinds[] = {
            {"folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }},
            {"link", [&](const fs::path& p) { fs::create_symlink(outside / "victim", p); }},
        };
        for (const char* name : {kHighScoreFileName, kSaveFileName}) {
            for (const auto& [kind, plant] : kinds) {
                std::ofstream(outside / "victim") << "theirs";
                Rig r;
                plant(r.app->file(name));
                r.app->globals.playerName = "Eve";
                for (int round = 0; round < 2; ++round) {
                    r.app->g.score = 99999;
                    r.forms->show(FormId::highScores);
                    r.forms->unload(FormId::highScores);
                    r.app->globals.loadMode = false;
                    r.forms->show(FormId::saveSlots);
                    r.msg.answer(MsgButton::Yes);
                    r.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(0);
                    r.forms->unload(FormId::saveSlots);
                }
                const std::string where = std::string(name) + " is a " + kind;
                QVERIFY2(refusalNotices(r.msg) == 1, where.c_str());
                QVERIFY2(fs::symlink_status(r.app->file(name)).type() != fs::file_type::regular, where.c_str());
                QCOMPARE(readTextFile(outside / "victim"), std::optional<std::string>("theirs"));
            }
        }
    }

    // Guards a save file that cannot be read being emptied when the picker opens.
    void anUnreadableSaveFileIsNeitherShownNorEmptied() {
        if (::geteuid() == 0) QSKIP("root reads every file");
        Rig r;
        const std::string saves = "Ann\r\n 3 \r\n";
        r.write(kSaveFileName, saves);
        fs::permissions(r.file(kSaveFileName), fs::perms::none);
        r.app->globals.loadMode = true;
        r.forms->show(FormId::saveSlots);
        QCOMPARE(refusalNotices(r.msg), 1);
        fs::permissions(r.file(kSaveFileName), fs::perms::owner_read);
        QCOMPARE(r.read(kSaveFileName), saves);
    }

    // Guards a save in one copy of the game wiping a slot another copy saved meanwhile.
    void twoCopiesSavingKeepBothSlots() {
        Rig first;
        Rig second(true, true, first.folder);
        for (Rig* r : {&first, &second}) {
            r->app->globals.loadMode = false;
            r->forms->show(FormId::saveSlots);  // both pickers read the file now
        }
        first.app->globals.playerName = "First";
        second.app->globals.playerName = "Second";
        second.msg.answer(MsgButton::Yes);
        second.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(1);
        first.msg.answer(MsgButton::Yes);
        first.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(0);
        SaveSlots onDisk;
        readSaveFile(onDisk, first.file(kSaveFileName));
        QCOMPARE(displayText(onDisk.at(0, SaveField::Name)), std::string("First"));
        QCOMPARE(displayText(onDisk.at(1, SaveField::Name)), std::string("Second"));
    }
};

VRH_QT_TEST(FaultsTest)
#include "faults_test.moc"
