// The save-slot picker: saving into a slot, loading one over a fresh run,
// refusing what cannot load, and the ways out.
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/SaveSlotsWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
std::string slot2File(const std::string& level) {
    std::string blank;
    for (int i = 0; i < 10; ++i) blank += "\r\n";
    return blank + "Ann\r\n " + level + " \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n" + blank;
}
}  // namespace

class SaveSlotsWindowTest : public QObject {
    Q_OBJECT
private slots:
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
            if (loads) QVERIFY(next.app->g.playerHP == 7 && next.app->g.tankHP == 100);  // full HP; the rest fresh
            QCOMPARE(next.read(kSaveFileName), slot2File(level));
        }
    }

    // Guards the wrong way out shown, and where it leads: Cancel or the close
    // box to the title, Okay or the close box back to the game.
    void cancelOkayAndTheCloseBoxLeadBack() {
        for (bool loadMode : {true, false})
            for (bool closeBox : {false, true}) {
                Rig r;
                r.app->globals.loadMode = true;
                if (loadMode) r.forms->show(FormId::saveSlots);
                else r.forms->show(FormId::game), r.get<GameWindowWidget>(FormId::game)->onSaveChosen();
                auto* w = r.get<SaveSlotsWindow>(FormId::saveSlots);
                QVERIFY(w->cancelLabel->isHidden() != loadMode && w->okayLabel->isHidden() == loadMode);
                if (closeBox) w->close();
                else QTest::mouseClick(loadMode ? w->cancelLabel : w->okayLabel, Qt::LeftButton);
                Rig::flush();
                QVERIFY(!r.forms->loaded(FormId::saveSlots) && !r.app->globals.flags.loadShowing);
                if (loadMode) QVERIFY(r.forms->loaded(FormId::titleMenu));
                else QVERIFY(r.app->globals.flags.gameShowing && r.forms->find(FormId::game)->isVisible());
            }
    }
};

VRH_QT_TEST(SaveSlotsWindowTest)
#include "save_slots_window_test.moc"
