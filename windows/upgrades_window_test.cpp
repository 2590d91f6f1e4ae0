// The upgrade shop: prices in the button captions, purchases, the 100 ms
// refresh and preview, and the way back to the game.
#include "windows/ShellTestKit.h"

#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/progress/UpgradeShopWindow.h"

using namespace vrh;
using namespace vrh::test;
using B = ShopButtonId;

class UpgradesWindowTest : public QObject {
    Q_OBJECT

    static UpgradeShopWindow* openShop(Rig& r) {
        r.forms->show(FormId::upgradeShop);
        r.front(FormId::upgradeShop);
        return r.get<UpgradeShopWindow>(FormId::upgradeShop);
    }
    // Past the half second in which the shop takes no input.
    static UpgradeShopWindow* openShopForInput(Rig& r) {
        UpgradeShopWindow* s = openShop(r);
        r.tick(500);
        return s;
    }
    static QString caption(UpgradeShopWindow* s, B id) { return s->button(id)->text(); }
    static bool enabled(UpgradeShopWindow* s, B id) { return s->button(id)->isEnabled(); }

private slots:
    // Guards the price shown before and after a purchase, its doubling lost on refresh, and the next visit's price.
    void buyingHpDoublesItsPriceForTheVisitAndTheNextVisitShows640() {
        Rig r(false);
        r.app->g.money = 100;
        UpgradeShopWindow* s = openShopForInput(r);
        QVERIFY(r.app->globals.flags.upgradesShowing);
        QCOMPARE(caption(s, B::UpHP), QString("10"));
        QTest::mouseClick(s->button(B::UpHP), Qt::LeftButton);
        QCOMPARE(int(r.app->g.playerMaxHP), 6);
        QCOMPARE(int64_t(r.app->g.money), int64_t(90));
        QCOMPARE(caption(s, B::UpHP), QString("20"));
        QCOMPARE(s->labelCaption("hpText"), QString("HP:6"));
        QCOMPARE(s->windowTitle(), QString("Upgrades     $90"));
        r.tick(300);
        QCOMPARE(caption(s, B::UpHP), QString("20"));

        r.forms->unload(FormId::upgradeShop);
        Rig::flush();
        QVERIFY(!r.app->globals.flags.upgradesShowing);
        s = openShop(r);
        QCOMPARE(caption(s, B::UpHP), QString("640"));  // HP 6: 10 * 2^6
        QCOMPARE(caption(s, B::AttackUp), QString("10"));
    }

    // Guards the shot and gun buttons' wiring, their labels, and the Ninja star measured by its picture.
    void gunAfterOmegaShowsItsLabelsAndTheStarsSize() {
        Rig r(false);
        r.app->g.money = 5000;
        UpgradeShopWindow* s = openShop(r);
        s->onOmegaShotClicked();
        QCOMPARE(s->labelCaption("currentShotText"), QString("Current Shot Type:Omega"));  // at once
        r.tick(100);
        s->onNinjaGunClicked();
        QCOMPARE(r.app->g.gunType, std::string("Ninja"));
        QCOMPARE(r.app->g.shotType, std::string("Regular"));
        QVERIFY(!enabled(s, B::NinjaGun) && enabled(s, B::Omega));
        r.tick(100);
        QCOMPARE(caption(s, B::Omega), QString("3000"));
        QCOMPARE(s->labelCaption("currentWeaponText"), QString("Current Weapon:Ninja"));
        QCOMPARE(int(r.app->g.shotW), int(picInfo(Pic::imgnsr).w));
        QCOMPARE(int(r.app->g.shotH), int(picInfo(Pic::imgnsr).w));
    }

    // Guards the preview: the equipped shot's frame cycle, pictures and places.
    void tickAnimatesTheBeeAndTheEquippedShot() {
        Rig r(false);
        r.app->g.shotType = "Mega";
        r.app->g.carried.shotFrame = 1;
        UpgradeShopWindow* s = openShop(r);
        r.tick(100);
        QCOMPARE(int(r.app->g.carried.shotFrame), 2);
        const auto& ops = s->frame().ops;
        QCOMPARE(int(ops.size()), 3);
        QVERIFY(ops[0].kind == DrawOp::Copy && ops[0].picture.pic == Pic::shopbg);
        QVERIFY(ops[1].kind == DrawOp::Masked && ops[1].picture.pic == Pic::shot2 && ops[1].mask.pic == Pic::shot2mask);
        QCOMPARE(int(ops[1].picture.frame), 1);
        QCOMPARE(QRect(ops[1].x, ops[1].y, ops[1].w, ops[1].h), QRect(113, 138, picInfo(Pic::shot2).h, picInfo(Pic::shot2).h));
        QVERIFY(ops[2].picture.pic == Pic::beeright && ops[2].mask.pic == Pic::beerightmask);
        QCOMPARE(QRect(ops[2].x, ops[2].y, ops[2].w, ops[2].h), QRect(43, 115, 33, 42));
        r.tick(100);  // 2 wraps to 1
        QCOMPARE(int(r.app->g.carried.shotFrame), 1);
        QCOMPARE(int(s->frame().ops[1].picture.frame), 0);
    }

    // Guards a label cut off by its box or the window edge, or printed twice.
    void everyLabelButTheStatsDescriptionHeadIsPrintedInsideTheWindow() {
        Rig r(false);
        UpgradeShopWindow* s = openShop(r);
        const QFontMetrics fm(s->font());
        int printed = 0;
        for (const auto& l : s->labels()) {
            QCOMPARE(l.printed, l.name != "descriptionHeading");
            if (!l.printed) continue;
            ++printed;
            QVERIFY2(l.box.right() < 702, qPrintable(l.name));
            const QRect need = fm.boundingRect(QRect(0, 0, l.box.width(), 1000), Qt::AlignLeft | Qt::TextWordWrap, l.caption);
            QVERIFY2(need.height() <= l.box.height(), qPrintable(l.name));
        }
        QCOMPARE(printed, 30);
    }

    // Guards fire presses around the level change buying, and the pad not reaching the buttons.
    void strayPressesNeverBuyAndThePadShopsOnPurpose() {
        constexpr int kSpace = 32, kEnter = 13, kUp = 38;
        Rig r(false);
        r.app->g.money = 1000;
        r.keys.keyDown(kSpace);  // fire held across the level change
        UpgradeShopWindow* s = openShop(r);
        r.tick(100);
        r.keys.keyUp(kSpace);  // a fresh press in the first half second, held on past it
        r.keys.keyDown(kSpace);
        QTest::mouseClick(s->button(B::UpHP), Qt::LeftButton);
        r.tick(250);
        r.keys.tap(kEnter);  // read on the fourth tick, still inside the half second
        r.tick(50);
        QVERIFY(r.forms->loaded(FormId::upgradeShop));
        QCOMPARE(int(r.app->g.playerMaxHP), 5);  // nothing acts in the first half second
        QTest::keyClick(s, Qt::Key_Space);  // no button has keyboard focus
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
        r.keys.tap(kUp);  // nothing above: the focus stays
        r.keys.tap(kEnter);
        r.tick(100);
        QCOMPARE(int(r.app->g.playerMaxHP), 7);
    }

    // Guards a purchase or the refresh making a sound.
    void theShopPlaysNoSound() {
        Rig r(false);
        r.app->g.money = 100000;
        UpgradeShopWindow* s = openShop(r);
        s->onHpUpClicked();
        s->onShockerGunClicked();
        r.tick(1000);
        QVERIFY(r.audio.calls.empty());
    }

    // Guards the level change's hand-over to the shop and back: Next Level or the close box
    // resumes the same run at full HP, the volley only when one is under way.
    void levelChangeOpensTheShopAndNextLevelResumesTheGame() {
        struct Case { const char* name; bool volleyUnderway; bool closeBox; };
        for (const Case& c : {Case{"next level", false, false}, Case{"volley on", true, false}, Case{"close box", true, true}}) {
            Rig r;
            r.forms->show(FormId::game);
            GameWindow* game = r.game();
            QVERIFY(game);
            r.app->g.money = 250;
            r.app->g.playerMaxHP = 8;
            r.app->g.playerHP = 2;
            game->volleyUnderway = c.volleyUnderway;
            game->tankShotTimer.setEnabled(true);
            game->onLevelUpTick();  // A is up: the level changes at once

            UpgradeShopWindow* s = r.get<UpgradeShopWindow>(FormId::upgradeShop);
            QVERIFY2(s && s->isVisible() && !r.forms->find(FormId::game)->isVisible(), c.name);
            QCOMPARE(s->windowTitle(), QString("Upgrades     $250"));
            QCOMPARE(int(r.app->g.level), 2);
            QVERIFY2(!game->moveTimer.Enabled() && !game->tankShotTimer.Enabled(), c.name);

            if (c.closeBox) s->close();
            else s->onOkayClicked();
            Rig::flush();
            QVERIFY2(!r.forms->loaded(FormId::upgradeShop) && !r.app->globals.flags.upgradesShowing, c.name);
            QVERIFY2(r.forms->find(FormId::game)->isVisible() && r.game() == game, c.name);
            QVERIFY2(game->moveTimer.Enabled(), c.name);
            QVERIFY2(game->tankShotTimer.Enabled() == c.volleyUnderway, c.name);
            QCOMPARE(int(r.app->g.playerHP), 8);
        }
    }
};

VRH_QT_TEST(UpgradesWindowTest)
#include "upgrades_window_test.moc"
