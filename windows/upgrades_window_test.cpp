// The upgrade shop: the half second without input, the pad's focus, a
// purchase shown at once, the preview, and the way back to the game.
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/UpgradeShopWindow.h"

using namespace vrh;
using namespace vrh::test;
using B = ShopButtonId;

class UpgradesWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Guards fire presses around the level change buying, the pad not reaching
    // the buttons, a purchase not shown at once, and the preview's frame cycle.
    void strayPressesNeverBuyAndThePadShopsOnPurpose() {
        constexpr int kSpace = 32, kEnter = 13, kUp = 38;
        Rig r;
        r.app->g.money = 1000;
        r.app->g.shotType = "Mega";
        r.app->g.shotFrame = 1;
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
            if (closeBox) s->close();
            else s->onOkayClicked();
            Rig::flush();
            QVERIFY(!r.forms->loaded(FormId::upgradeShop) && !r.app->globals.flags.upgradesShowing);
            QVERIFY(r.forms->find(FormId::game)->isVisible() && r.game() == game && game->moveTimer.Enabled());
            QCOMPARE(game->tankShotTimer.Enabled(), volley);
            QCOMPARE(int(r.app->g.playerHP), 8);
        }
    }
};

VRH_QT_TEST(UpgradesWindowTest)
#include "upgrades_window_test.moc"
