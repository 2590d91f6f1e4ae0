// The windows between runs: the name prompt, the high scores, the save-slot
// picker and the upgrade shop.
#include <QLineEdit>
#include <QPointer>
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
using B = ShopButtonId;

namespace {
std::string slot2File(const std::string& level) {
    std::string blank;
    for (int i = 0; i < 10; ++i) blank += "\r\n";
    return blank + "Ann\r\n " + level +
           " \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n" + blank;
}
}  // namespace

class ProgressWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards an empty name starting a run, a held Start asking again on every
    // poll, a blank trimmed away, the last run's upgrades kept, and the title
    // menu left open or taking the tap meant for the prompt.
    void emptyNameIsRefusedOnceAndABlankStartsAFreshRun() {
        Rig r;
        r.forms->setFactory(FormId::titleMenu, [](Forms& f) -> Form* { return new TitleMenuWindow(f); });
        r.forms->show(FormId::titleMenu);
        QPointer<TitleMenuWindow> title = r.get<TitleMenuWindow>(FormId::titleMenu);
        r.app->g.attackPower = 40;
        r.app->g.gunType = "Psychic";
        r.forms->show(FormId::namePrompt);
        r.front(FormId::namePrompt);
        auto* w = r.get<NamePromptWindow>(FormId::namePrompt);
        r.keys.keyDown(13);
        r.tick(500);
        QCOMPARE(r.msg.shown().size(), size_t(1));  // the held Start is the box's now
        QVERIFY(!r.forms->loaded(FormId::game));
        r.keys.keyUp(13);
        QTest::keyClicks(w->nameEdit, " ");
        r.keys.tap(13);
        r.tick(100);
        Rig::flush();
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.app->globals.playerName, std::string(" "));
        QVERIFY(!r.forms->loaded(FormId::namePrompt) && r.forms->loaded(FormId::game));
        QVERIFY(!r.forms->loaded(FormId::titleMenu) && !title);
        QVERIFY(r.app->g.attackPower == 1 && r.app->g.gunType == "Regular" && r.app->g.playerHP == 5);
    }

    // Guards the run not entered or the file not rewritten (a failed write silent,
    // told every tick or clobbering the old file), the wrong row pulsing, the
    // six-step colour cycle, and the jingle left playing.
    void theRunIsStoredAndItsRowPulses() {
        for (bool blocked : {false, true}) {
            Rig r;
            r.write(kHighScoreFileName, highScoreResetText());
            if (blocked) r.blockWrites(kHighScoreFileName);
            r.write("hs.wav", "RIFF");
            r.app->g.score = 45000;
            r.app->g.level = 4;
            r.app->globals.playerName = "Bo";
            r.forms->show(FormId::highScores);
            auto* w = r.get<HighScoresWindow>(FormId::highScores);
            HighScoreTable expected = defaultHighScores();
            QCOMPARE(insertHighScore(expected, "Bo", 45000, 4), 2);  // below the equal "Tolm"
            QCOMPARE(r.read(kHighScoreFileName),
                     blocked ? highScoreResetText() : serializeHighScores(expected));
            for (int tick = 1; tick <= 7; ++tick) {  // round again every 600 ms
                r.tick(100);
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(
                        w->rowColors()[size_t(i)],
                        i == 1 ? HighScoresWindow::flashColors()[size_t((tick - 1) % 6)] : QColor(Qt::black));
            }
            QCOMPARE(r.msg.shown().size(), size_t(blocked ? 1 : 0));
            const std::string jingle = r.app->paths.fileHighScoreSnd;
            QCOMPARE(r.commands("play " + jingle), 1);
            r.forms->unload(FormId::highScores);
            QVERIFY(r.commands("stop " + jingle) == 1 && !r.app->globals.flags.highScoresShowing);
        }
    }

    // Guards saving without asking, a slot written anywhere but in its ten
    // lines, a load over anything but a fresh run, and a bad slot loading.
    void aSavedSlotLoadsBackOverAFreshRunAndABadOneIsRefused() {
        Rig r;
        App& a = *r.app;
        a.globals.playerName = "Ann";
        a.g.level = 3, a.g.playerMaxHP = 7, a.g.playerHP = 2, a.g.attackPower = 4, a.g.playerDefense = 2;
        a.g.money = 1234, a.g.gunType = "Ninja", a.g.shotType = "Mega", a.g.score = 5678, a.g.lives = 4;
        a.globals.loadMode = false;
        r.forms->show(FormId::saveSlots);
        r.msg.answer(MsgButton::Yes);
        r.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(1);
        QVERIFY(r.msg.shown().size() == 1 && r.msg.shown()[0].isQuestion);
        QCOMPARE(r.read(kSaveFileName), slot2File("3"));
        for (const char* level : {"3", "three"}) {
            Rig next(r.folder);
            next.write(kSaveFileName, slot2File(level));
            next.app->globals.loadMode = true;
            next.forms->show(FormId::saveSlots);
            next.msg.answer(MsgButton::Yes);
            next.get<SaveSlotsWindow>(FormId::saveSlots)->onSlotClicked(1);
            const bool loads = std::string(level) == "3";
            QCOMPARE(next.forms->loaded(FormId::game), loads);
            QCOMPARE(next.app->globals.playerName, std::string(loads ? "Ann" : ""));
            QCOMPARE(int(next.app->g.level), loads ? 3 : 1);
            if (loads)
                QVERIFY(next.app->g.playerHP == 7 && next.app->g.tankHP == 100);  // full HP; the rest fresh
            QCOMPARE(next.read(kSaveFileName), slot2File(level));
        }
    }

    // Guards the picker's wrong way out shown, and where it leads: Cancel or the
    // close box to the title, Okay or the close box back to the game; and the
    // name prompt's close box leaving no window open.
    void cancelOkayAndTheCloseBoxesLeadBack() {
        Rig prompt;
        prompt.forms->show(FormId::namePrompt);
        prompt.get<NamePromptWindow>(FormId::namePrompt)->close();
        Rig::flush();
        QVERIFY(!prompt.app->globals.flags.nameShowing && prompt.forms->loaded(FormId::titleMenu));
        for (bool loadMode : {true, false})
            for (bool closeBox : {false, true}) {
                Rig r;
                r.app->globals.loadMode = true;
                if (loadMode)
                    r.forms->show(FormId::saveSlots);
                else
                    r.forms->show(FormId::game), r.get<GameWindowWidget>(FormId::game)->onSaveChosen();
                auto* w = r.get<SaveSlotsWindow>(FormId::saveSlots);
                QVERIFY(w->cancelLabel->isHidden() != loadMode && w->okayLabel->isHidden() == loadMode);
                if (closeBox)
                    w->close();
                else
                    QTest::mouseClick(loadMode ? w->cancelLabel : w->okayLabel, Qt::LeftButton);
                Rig::flush();
                QVERIFY(!r.forms->loaded(FormId::saveSlots) && !r.app->globals.flags.loadShowing);
                if (loadMode)
                    QVERIFY(r.forms->loaded(FormId::titleMenu));
                else
                    QVERIFY(r.app->globals.flags.gameShowing && r.forms->find(FormId::game)->isVisible());
            }
    }

    // Guards fire presses around the level change buying, the pad not reaching
    // the buttons, a purchase not shown at once, and the preview's frame cycle.
    void strayPressesNeverBuyAndThePadShopsOnPurpose() {
        constexpr int kSpace = 32, kEnter = 13, kUp = 38;
        Rig r;
        r.app->g.money = 1000;
        r.app->g.shotType = "Mega";
        r.app->g.carried.shotFrame = 1;
        r.keys.keyDown(kSpace);  // fire held across the level change
        r.forms->show(FormId::upgradeShop);
        r.front(FormId::upgradeShop);
        auto* s = r.get<UpgradeShopWindow>(FormId::upgradeShop);
        for (uint8_t frame : {1, 0}) {  // the Mega shot's frames 2, 1
            r.tick(100);
            QCOMPARE(s->frame().ops[1].picture.frame, frame);
        }
        r.keys.keyUp(kSpace);  // a fresh press in the first half second, held on past it
        r.keys.keyDown(kSpace);
        QTest::mouseClick(s->button(B::UpHP), Qt::LeftButton);
        r.tick(150);
        r.keys.tap(kEnter);  // read on the fourth tick, still inside the half second
        r.tick(50);
        QVERIFY(r.forms->loaded(FormId::upgradeShop));
        QCOMPARE(int(r.app->g.playerMaxHP), 5);  // nothing acts in the first half second
        QTest::keyClick(s, Qt::Key_Space);       // no button has keyboard focus
        r.tick(300);
        QCOMPARE(int(r.app->g.playerMaxHP), 5);
        QCOMPARE(s->focusedButton(), int(kShopButtonCount));  // "Next Level"
        r.keys.keyUp(kSpace);
        for (int i = 0; i < 6; ++i) {  // Omega, Giga, Mega, Def, Attack, HP
            r.keys.tap(kUp);
            r.tick(100);
        }
        QCOMPARE(s->focusedButton(), int(B::UpHP));
        r.keys.tap(kSpace);
        r.tick(100);
        QCOMPARE(int(r.app->g.playerMaxHP), 6);
        QVERIFY(s->button(B::UpHP)->text() == "20" && s->labelCaption("hpText") == "HP:6");
        QCOMPARE(s->windowTitle(), QString("Upgrades     $990"));
        r.keys.tap(kUp);  // nothing above: the focus stays
        r.keys.tap(kEnter);
        r.tick(100);
        QCOMPARE(int(r.app->g.playerMaxHP), 7);
    }

    // Guards the hand-over to the shop and back: Next Level or the close box resume
    // the same run at full HP, the volley only when one is under way.
    void levelChangeOpensTheShopAndNextLevelResumesTheGame() {
        for (auto [volley, closeBox] : {std::pair{false, false}, {true, false}, {true, true}}) {
            Rig r;
            r.forms->show(FormId::game);
            GameWindow* game = r.game();
            r.app->g.playerMaxHP = 8;
            r.app->g.playerHP = 2;
            game->volleyUnderway = volley;
            game->tankShotTimer.setEnabled(true);
            game->onLevelUpTick();  // A is up: the level changes at once
            auto* s = r.get<UpgradeShopWindow>(FormId::upgradeShop);
            QVERIFY(s && s->isVisible() && !r.forms->find(FormId::game)->isVisible());
            QVERIFY(!game->moveTimer.Enabled() && !game->tankShotTimer.Enabled());
            if (closeBox)
                s->close();
            else
                s->onOkayClicked();
            Rig::flush();
            QVERIFY(!r.forms->loaded(FormId::upgradeShop) && !r.app->globals.flags.upgradesShowing);
            QVERIFY(r.forms->find(FormId::game)->isVisible() && r.game() == game &&
                    game->moveTimer.Enabled());
            QCOMPARE(game->tankShotTimer.Enabled(), volley);
            QCOMPARE(int(r.app->g.playerHP), 8);
        }
    }
};

VRH_QT_TEST(ProgressWindowsTest)
#include "progress_windows_test.moc"
