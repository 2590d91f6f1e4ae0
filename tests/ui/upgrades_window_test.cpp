// The upgrade shop: prices in the button captions, purchases, the 100 ms
// refresh and preview, and the way back to the game.
#include "MetaTestRig.h"

#include <QPushButton>
#include <QtTest>

#include "meta/ui/FrmUpgrades.h"

using namespace vrh;
using namespace vrh::testing;
using B = ShopButtonId;

class UpgradesWindowTest : public QObject {
    Q_OBJECT

    static FrmUpgrades* openShop(Rig& r) {
        r.forms->show(FormId::frmUpgrades);
        return r.get<FrmUpgrades>(FormId::frmUpgrades);
    }
    static QString caption(FrmUpgrades* s, B id) { return s->button(id)->text(); }
    static bool enabled(FrmUpgrades* s, B id) { return s->button(id)->isEnabled(); }

private slots:
    void freshRunOpensWithAllStatPricesAt10() {
        Rig r(false);
        FrmUpgrades* s = openShop(r);
        QVERIFY(s);
        QVERIFY(r.app->globals.flags.upgradesShowing);
        QCOMPARE(caption(s, B::UpHP), QString("10"));
        for (B id : {B::Mega, B::Giga, B::Omega, B::NinjaGun, B::ShockerGun, B::PsychicGun})
            QVERIFY(enabled(s, id));
        QCOMPARE(s->windowTitle(), QString("Upgrades     $0"));
        // The HP, weapon and shot labels are checked after the purchases below.
        QCOMPARE(s->labelCaption("lblAttack"), QString("Attack:1"));
        QCOMPARE(s->labelCaption("lblDef"), QString("Def:0"));
        QCOMPARE(s->size(), QSize(702, 541));
        QCOMPARE(s->button(B::UpHP)->geometry(), QRect(464, 96, 97, 17));
        QCOMPARE(s->cmdOkay->text(), QString("Next Level"));
        QCOMPARE(s->cmdOkay->geometry(), QRect(312, 516, 97, 17));
    }

    void buyingHpDoublesItsPriceForTheVisitAndTheNextVisitShows640() {
        Rig r(false);
        r.app->g.money = 100;
        FrmUpgrades* s = openShop(r);
        QTest::mouseClick(s->button(B::UpHP), Qt::LeftButton);
        QCOMPARE(int(r.app->g.playerMaxHP), 6);
        QCOMPARE(int64_t(r.app->g.money), int64_t(90));
        QCOMPARE(caption(s, B::UpHP), QString("20"));
        QCOMPARE(s->labelCaption("lblHP"), QString("HP:6"));
        QCOMPARE(s->windowTitle(), QString("Upgrades     $90"));
        r.tick(300);  // the refresh keeps the doubled price
        QCOMPARE(caption(s, B::UpHP), QString("20"));

        r.forms->unload(FormId::frmUpgrades);
        Rig::flushDeletes();
        QVERIFY(!r.app->globals.flags.upgradesShowing);
        s = openShop(r);
        QCOMPARE(caption(s, B::UpHP), QString("640"));  // HP 6: 10 * 2^6
        QCOMPARE(caption(s, B::AttackUp), QString("10"));
    }

    void gunAfterOmegaResetsTheShotAndKeepsTheBonuses() {
        Rig r(false);
        r.app->g.money = 5000;
        FrmUpgrades* s = openShop(r);
        s->cmdOmega_Click();
        QCOMPARE(s->labelCaption("lblCurrentShot"), QString("Current Shot Type:Omega"));  // at once
        r.tick(100);
        s->cmdNinjaGun_Click();
        QCOMPARE(r.app->g.gunType, std::string("Ninja"));
        QCOMPARE(r.app->g.shotType, std::string("Regular"));
        QCOMPARE(int(r.app->g.attackPower), 21);
        QCOMPARE(int(r.app->g.shotW), 14);
        QCOMPARE(int(r.app->g.shotH), 14);
        QVERIFY(!enabled(s, B::NinjaGun));
        for (B id : {B::Mega, B::Giga, B::Omega}) QVERIFY(enabled(s, id));
        r.tick(100);
        QCOMPARE(caption(s, B::Mega), QString("1000"));
        QCOMPARE(caption(s, B::Giga), QString("2000"));
        QCOMPARE(caption(s, B::Omega), QString("3000"));
        QCOMPARE(s->labelCaption("lblCurrentWeapon"), QString("Current Weapon:Ninja"));
        // The refresh measures the Ninja star by its width.
        QCOMPARE(int(r.app->g.shotW), int(picInfo(Pic::imgnsr).w));
        QCOMPARE(int(r.app->g.shotH), int(picInfo(Pic::imgnsr).w));
    }

    void tickAnimatesTheBeeAndTheEquippedShot() {
        Rig r(false);
        r.app->g.shotType = "Mega";
        r.app->g.shotFrame = 1;
        FrmUpgrades* s = openShop(r);
        r.tick(100);
        QCOMPARE(int(r.app->g.shotFrame), 2);
        const auto& ops = s->frame().ops;
        QCOMPARE(int(ops.size()), 3);
        QCOMPARE(ops[0].kind, DrawOp::Copy);
        QCOMPARE(ops[0].picture.pic, Pic::shopbg);
        QCOMPARE(ops[1].kind, DrawOp::Masked);
        QCOMPARE(ops[1].picture.pic, Pic::shot2);
        QCOMPARE(ops[1].mask.pic, Pic::shot2mask);
        QCOMPARE(int(ops[1].picture.frame), 1);
        QCOMPARE(QPoint(ops[1].x, ops[1].y), QPoint(113, 138));
        QCOMPARE(QSize(ops[1].w, ops[1].h), QSize(picInfo(Pic::shot2).h, picInfo(Pic::shot2).h));
        QCOMPARE(ops[2].picture.pic, Pic::beeright);
        QCOMPARE(ops[2].mask.pic, Pic::beerightmask);
        QCOMPARE(QRect(ops[2].x, ops[2].y, ops[2].w, ops[2].h), QRect(43, 115, 33, 42));
        r.tick(100);  // 2 wraps to 1
        QCOMPARE(int(r.app->g.shotFrame), 1);
        QCOMPARE(int(s->frame().ops[1].picture.frame), 0);
    }

    void everyLabelButTheStatsDescriptionHeadIsPrintedInsideTheWindow() {
        Rig r(false);
        FrmUpgrades* s = openShop(r);
        int printed = 0;
        for (const auto& l : s->labels()) {
            QCOMPARE(l.printed, l.name != "lbl2");
            if (!l.printed) continue;
            ++printed;
            QVERIFY2(l.box.right() < 702, qPrintable(l.name));
            // Wrapped into its box, the text still fits in it.
            const QFontMetrics fm(s->font());
            const QRect need = fm.boundingRect(QRect(0, 0, l.box.width(), 1000),
                                               Qt::AlignLeft | Qt::TextWordWrap, l.caption);
            QVERIFY2(need.height() <= l.box.height(), qPrintable(l.name));
        }
        QCOMPARE(printed, 30);
        QCOMPARE(s->labelCaption("lblpgd"), QString("Gun that shoots balls of psychic energy!"));
    }

    void theShopPlaysNoSound() {
        Rig r(false);
        r.app->g.money = 100000;
        FrmUpgrades* s = openShop(r);
        s->cmdUpHP_Click();
        s->cmdShockergun_Click();
        r.tick(1000);
        QVERIFY(r.mci.commands.empty());
    }

    // The level change of the game window opens the shop; "Next Level" goes back.
    void levelChangeOpensTheShopAndNextLevelResumesTheGame() {
        Rig r;
        r.forms->show(FormId::frmVarnholt);
        GameWindow* game = r.game();
        QVERIFY(game);
        r.app->g.money = 250;
        r.app->g.playerHP = 2;
        game->tmrTankShot.Tag = "0";
        game->tmrLevelup_Timer();  // A is up: the level changes at once

        FrmUpgrades* s = r.get<FrmUpgrades>(FormId::frmUpgrades);
        QVERIFY(s);
        QVERIFY(s->isVisible());
        QVERIFY(!r.forms->find(FormId::frmVarnholt)->isVisible());
        QCOMPARE(s->windowTitle(), QString("Upgrades     $250"));
        QCOMPARE(int(r.app->g.level), 2);
        QVERIFY(!game->tmrMoves.Enabled());
        QVERIFY(!game->tmrTankShot.Enabled());

        s->cmdOkay_Click();
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmUpgrades));
        QVERIFY(!r.app->globals.flags.upgradesShowing);
        QVERIFY(r.forms->find(FormId::frmVarnholt)->isVisible());
        QCOMPARE(r.game(), game);  // the same run goes on
        QVERIFY(game->tmrMoves.Enabled());
        QVERIFY(!game->tmrTankShot.Enabled());  // Tag "0": the volley sound stays off
        QCOMPARE(int(r.app->g.playerHP), int(r.app->g.playerMaxHP));
    }

    void nextLevelRestartsTheVolleySoundWhenItsTagIsOne() {
        Rig r;
        r.forms->show(FormId::frmVarnholt);
        GameWindow* game = r.game();
        game->tmrTankShot.Tag = "1";
        game->tmrTankShot.setEnabled(true);
        r.app->g.playerMaxHP = 8;
        r.app->g.playerHP = 3;
        game->tmrLevelup_Timer();
        QVERIFY(!game->tmrTankShot.Enabled());
        r.get<FrmUpgrades>(FormId::frmUpgrades)->cmdOkay_Click();
        QVERIFY(game->tmrTankShot.Enabled());
        QCOMPARE(int(r.app->g.playerHP), 8);
    }

    void closeBoxActsLikeNextLevel() {
        Rig r;
        r.forms->show(FormId::frmVarnholt);
        GameWindow* game = r.game();
        r.app->g.playerHP = 1;
        game->tmrLevelup_Timer();
        FrmUpgrades* s = r.get<FrmUpgrades>(FormId::frmUpgrades);
        s->close();
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmUpgrades));
        QVERIFY(!r.app->globals.flags.upgradesShowing);
        QVERIFY(r.forms->find(FormId::frmVarnholt)->isVisible());
        QVERIFY(game->tmrMoves.Enabled());
        QCOMPARE(int(r.app->g.playerHP), 5);
    }
};

QTEST_MAIN(UpgradesWindowTest)
#include "upgrades_window_test.moc"
