// The windows between runs: the name prompt, the high scores, the save-slot picker and the upgrade shop.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "meta/HighScoreTable.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/HighScoresWindow.h"
#include "windows/progress/NamePromptWindow.h"
#include "windows/progress/SaveSlotsWindow.h"
#include "windows/progress/UpgradeShopWindow.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
constexpr int kEnter = 13, kSpace = 32, kUp = 38;
std::string slot2File(const std::string& level) {  // slots 1 and 3 empty
    const std::string blank = QString("\r\n").repeated(10).toStdString();
    return blank + "Ann\r\n " + level +
           " \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n" + blank;
}
}  // namespace

class ProgressWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the close box leaving no window open, an empty name starting a run, a held Start asking on each
    // poll, a blank trimmed away, old upgrades kept, and the title left open or taking the prompt's tap.
    void emptyNameIsRefusedOnceAndABlankStartsAFreshRun() {
        Kit r;
        r.forms->setFactory(FormId::titleMenu, [](Forms& f) -> Form* { return new TitleMenuWindow(f); });
        r.forms->show(FormId::namePrompt);
        r.get<NamePromptWindow>(FormId::namePrompt)->close();  // the close box leads back to the title
        Kit::flush();
        QVERIFY(!r.flags().nameShowing && r.loaded(FormId::titleMenu));
        GameState& g = r.app->g;
        g.attackPower = 40, g.playerDefense = 3, g.gunType = g.shotType = "Mega";
        r.forms->show(FormId::namePrompt), r.front(FormId::namePrompt);
        r.keys.keyDown(kEnter);
        r.tick(500);
        QVERIFY(r.msg.shown().size() == 1 && !r.loaded(FormId::game));  // the held Start is the box's
        r.keys.keyUp(kEnter);
        QTest::keyClicks(r.get<NamePromptWindow>(FormId::namePrompt)->nameEdit, " ");
        r.tap(kEnter);
        Kit::flush();
        QVERIFY(r.msg.shown().size() == 1 && r.app->globals.playerName == " ");
        QVERIFY(!r.loaded(FormId::namePrompt) && !r.loaded(FormId::titleMenu) && r.loaded(FormId::game));
        QVERIFY(g.attackPower == 1 && g.playerDefense == 0 && g.playerHP == 5 && g.gunType == "Regular");
        QVERIFY(g.shotType == "Regular" && !r.app->globals.newGameAllowed);
    }

    // Guards the run not entered or not written (a failed write silent, told every tick or clobbering the old
    // file), the wrong row pulsing, the six-step colour cycle, and the jingle left playing.
    void theRunIsStoredAndItsRowPulses() {
        for (bool blocked : {false, true}) {
            Kit r;
            r.write("hs.wav", "RIFF"), r.write(kHighScoreFileName, highScoreResetText());
            if (blocked) r.blockWrites(kHighScoreFileName);
            r.app->g.score = 45000, r.app->g.level = 4, r.app->globals.playerName = "Bo";
            r.forms->show(FormId::highScores);
            HighScoreTable expected = defaultHighScores();
            QCOMPARE(insertHighScore(expected, "Bo", 45000, 4), 2);  // below the equal "Tolm"
            QCOMPARE(r.read(kHighScoreFileName),
                     blocked ? highScoreResetText() : serializeHighScores(expected));
            for (int tick = 0; tick < 7; ++tick) {  // round again every 600 ms
                r.tick(100);
                const auto& rows = r.get<HighScoresWindow>(FormId::highScores)->rowColors();
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(rows[size_t(i)],
                             i == 1 ? HighScoresWindow::flashColors()[size_t(tick % 6)] : QColor(Qt::black));
            }
            const std::string jingle = r.app->paths.fileHighScoreSnd;
            QVERIFY(r.msg.shown().size() == (blocked ? 1 : 0) && r.audio.count("play " + jingle) == 1);
            r.forms->unload(FormId::highScores);
            QVERIFY(r.audio.count("stop " + jingle) == 1 && !r.flags().highScoresShowing);
        }
    }

    // Guards saving without asking, a slot written anywhere but in its ten lines, a save wiping a slot
    // another copy saved meanwhile, a load over anything but a fresh run, and a bad slot loading.
    void aSavedSlotLoadsBackOverAFreshRunAndABadOneIsRefused() {
        Kit r, other(Real::Progress, r.folder);
        App& a = *r.app;
        a.globals.playerName = "Ann", other.app->globals.playerName = "Bo";
        a.g.level = 3, a.g.playerMaxHP = 7, a.g.playerHP = 2, a.g.attackPower = 4, a.g.playerDefense = 2;
        a.g.money = 1234, a.g.gunType = "Ninja", a.g.shotType = "Mega", a.g.score = 5678, a.g.lives = 4;
        const auto picker = [](Kit& k, bool load) {  // answering Yes to its question
            k.app->globals.loadMode = load, k.forms->show(FormId::saveSlots), k.msg.answer(MsgButton::Yes);
            return k.get<SaveSlotsWindow>(FormId::saveSlots);
        };
        picker(other, false);  // both pickers read the file now
        picker(r, false)->onSlotClicked(1);
        QVERIFY(r.msg.shown().size() == 1 && r.msg.shown()[0].isQuestion);
        QCOMPARE(r.read(kSaveFileName), slot2File("3"));
        r.blockWrites(kSaveFileName), a.g.level = 9, r.msg.answer(MsgButton::Yes);  // a full disk: a notice
        r.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(1);
        QVERIFY(r.msg.shown().back().text == "The game could not be saved." &&
                r.read(kSaveFileName) == slot2File("3"));
        setWriteFaultForTesting(nullptr), a.g.level = 3;
        other.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(0);  // another copy of the game
        SaveSlots onDisk;
        readSaveFile(onDisk, r.file(kSaveFileName));
        QVERIFY(displayText(onDisk.at(0, SaveField::Name)) == "Bo" &&
                displayText(onDisk.at(1, SaveField::Name)) == "Ann");
        for (const char* level : {"3", "three"}) {
            Kit next(Real::Progress, r.folder);
            next.write(kSaveFileName, slot2File(level));
            picker(next, true)->onSlotClicked(1);
            const bool loads = std::string(level) == "3";
            QVERIFY(next.loaded(FormId::game) == loads && next.app->g.level == (loads ? 3 : 1));
            QCOMPARE(next.app->globals.playerName, std::string(loads ? "Ann" : ""));
            if (loads) QVERIFY(next.app->g.playerHP == 7 && next.app->g.tankHP == 100);  // the rest fresh
            QCOMPARE(next.read(kSaveFileName), slot2File(level));
        }
    }

    // Guards the picker's wrong way out shown, and where it leads: Cancel or the close box to the title, Okay
    // or the close box back to the game.
    void cancelOkayAndTheCloseBoxesLeadBack() {
        for (int run = 0; run < 4; ++run) {
            const bool loadMode = run < 2, closeBox = run % 2;
            Kit r;
            r.app->globals.loadMode = true;
            r.forms->show(loadMode ? FormId::saveSlots : FormId::game);
            if (!loadMode) r.get<GameWindowWidget>(FormId::game)->onSaveChosen();
            auto* w = r.get<SaveSlotsWindow>(FormId::saveSlots);
            QVERIFY(w->cancelLabel->isHidden() != loadMode && w->okayLabel->isHidden() == loadMode &&
                    !r.flags().gameShowing);
            closeBox ? void(w->close())
                     : QTest::mouseClick(loadMode ? w->cancelLabel : w->okayLabel, Qt::LeftButton);
            Kit::flush();
            QVERIFY(!r.loaded(FormId::saveSlots) && !r.flags().loadShowing);
            QVERIFY(loadMode ? r.loaded(FormId::titleMenu)
                             : r.flags().gameShowing && r.visible(FormId::game));
        }
    }

    // Guards fire presses around the level change buying, the pad not reaching the buttons, a purchase shown
    // late, the preview's frames; Next Level or the close box not resuming the run at full HP, volley as was.
    void theShopIgnoresStrayPressesAndResumesTheRunAtFullHP() {
        for (auto [volley, closeBox] : {std::pair{false, false}, {true, false}, {true, true}}) {
            Kit r;
            r.forms->show(FormId::game);
            GameWindow* game = r.game();
            GameState& g = r.app->g;
            g.playerHP = 2, g.money = 1000, g.shotType = "Mega", g.carried.shotFrame = 1;
            game->volleyUnderway = volley, game->tankShotTimer.setEnabled(true);
            r.keys.keyDown(kSpace);  // fire held across the level change
            game->onLevelUpTick();   // A is up: the level changes at once
            r.front(FormId::upgradeShop);
            auto* s = r.get<UpgradeShopWindow>(FormId::upgradeShop);
            QVERIFY(s && s->isVisible() && !r.visible(FormId::game) &&
                    s->windowTitle() == "Upgrades     $1000");
            QVERIFY(!game->moveTimer.Enabled() && !game->tankShotTimer.Enabled());
            for (uint8_t frame : {1, 0}) {  // the Mega shot's frames 2, 1
                r.tick(100);
                QCOMPARE(s->frame().ops[1].picture.frame, frame);
            }
            r.keys.keyUp(kSpace), r.keys.keyDown(kSpace);  // a fresh press in the first half second, held on
            QTest::mouseClick(s->button(ShopButtonId::UpHP), Qt::LeftButton);
            r.tick(150), r.tap(kEnter, 50);  // read on the fourth tick, still inside the half second
            QVERIFY(r.loaded(FormId::upgradeShop));
            QTest::keyClick(s, Qt::Key_Space);  // no button has keyboard focus
            r.tick(300);
            QCOMPARE(int(g.playerMaxHP), 5);                      // nothing acted in the first half second
            QCOMPARE(s->focusedButton(), int(kShopButtonCount));  // "Next Level"
            r.keys.keyUp(kSpace);
            for (int i = 0; i < 7; ++i) r.tap(kUp);  // Omega, Giga, Mega, Def, Attack, HP; nothing above it
            QCOMPARE(s->focusedButton(), int(ShopButtonId::UpHP));
            r.tap(kSpace), r.tap(kEnter);
            QVERIFY(g.playerMaxHP == 7 && s->windowTitle() == "Upgrades     $970");
            QVERIFY(s->button(ShopButtonId::UpHP)->text() == "40" && s->labelCaption("hpText") == "HP:7");
            closeBox ? void(s->close()) : s->onOkayClicked();
            Kit::flush();
            QVERIFY(!r.loaded(FormId::upgradeShop) && !r.flags().upgradesShowing);
            QVERIFY(r.visible(FormId::game) && r.game() == game && game->moveTimer.Enabled());
            QVERIFY(game->tankShotTimer.Enabled() == volley && g.playerHP == 7);
        }
    }
};

VRH_QT_TEST(ProgressWindowsTest)
#include "progress_windows_test.moc"
