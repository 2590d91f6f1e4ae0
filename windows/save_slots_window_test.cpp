// The save-slot picker: captions, saving into a slot (the whole file
// rewritten), loading a slot over a fresh run, and refusing what cannot load.
#include "windows/ShellTestKit.h"

#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/progress/SaveSlotsWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
const QString kNew = QStringLiteral("------------New file------------");

const std::string kSlot2File = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                              "Ann\r\n 3 \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n"
                              "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

void setRun(App& a) {  // the slot keeps the full HP
    a.globals.playerName = "Ann";
    a.g.level = 3, a.g.playerMaxHP = 7, a.g.playerHP = 2, a.g.attackPower = 4, a.g.playerDefense = 2;
    a.g.money = 1234, a.g.gunType = "Ninja", a.g.shotType = "Mega", a.g.score = 5678, a.g.lives = 4;
}
}  // namespace

class SaveSlotsWindowTest : public QObject {
    Q_OBJECT

    static SaveSlotsWindow* open(Rig& r, bool loadMode) {
        r.app->globals.loadMode = loadMode;
        r.forms->show(FormId::saveSlots);
        return r.get<SaveSlotsWindow>(FormId::saveSlots);
    }
    static QString caption(SaveSlotsWindow* w, int i) { return w->slotNameLabel[size_t(i)]->text(); }

private slots:
    // Guards saving without asking or on No, a slot written anywhere but in its ten lines, and stale captions.
    void saveIntoSlot2WritesThirtyLinesAndCaptionsTakeABlank() {
        Rig r(false);
        setRun(*r.app);
        SaveSlotsWindow* w = open(r, false);
        r.msg.answer(MsgButton::Yes);
        QTest::mouseClick(w->slotNameLabel[1], Qt::LeftButton);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QVERIFY(r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("This file will be overwritten! Are you sure you want to save?"));
        QCOMPARE(r.read(kSaveFileName), kSlot2File);
        QCOMPARE(caption(w, 0), kNew);
        QCOMPARE(caption(w, 1), QString("Name: Ann"));  // re-read after the save: with a blank
        QCOMPARE(caption(w, 2), kNew);
        QVERIFY(r.forms->loaded(FormId::saveSlots));  // the picker stays for more saves

        r.forms->unload(FormId::saveSlots);
        Rig::flush();
        w = open(r, false);
        QCOMPARE(caption(w, 1), QString("Name:Ann"));
        r.app->globals.playerName = "Zed";
        r.msg.answer(MsgButton::No);
        w->onSlotClicked(0);  // a new slot asks too; No writes nothing but still re-reads
        QCOMPARE(r.msg.shown().size(), size_t(2));
        QCOMPARE(r.read(kSaveFileName), kSlot2File);
        QCOMPARE(caption(w, 0), kNew);
        QCOMPARE(caption(w, 1), QString("Name: Ann"));
    }

    // Guards a new slot loading, and a load not starting over a fresh run.
    void loadRestoresTheSlotOverAFreshRun() {
        Rig r;
        r.write(kSaveFileName, kSlot2File);
        r.forms->show(FormId::titleMenu);
        SaveSlotsWindow* w = open(r, true);
        r.tick(1);  // the picker closes the title menu
        QVERIFY(!r.forms->loaded(FormId::titleMenu));
        w->onSlotClicked(0);  // a new slot: nothing, not even a question
        QVERIFY(r.msg.shown().empty());

        r.msg.answer(MsgButton::Yes);
        w->onSlotClicked(1);
        Rig::flush();
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.msg.shown()[0].text, std::string("Do you wish to load this file?"));
        QVERIFY(!r.forms->loaded(FormId::saveSlots) && !r.app->globals.flags.loadShowing);
        QVERIFY(r.game());
        QCOMPARE(r.app->globals.playerName, std::string("Ann"));
        QCOMPARE(int(r.app->g.level), 3);
        QCOMPARE(int(r.app->g.playerHP), 7);
        QCOMPARE(int(r.app->g.tankHP), 100);  // the rest is the fresh run's
    }

    // Guards a slot with text in a number field loading, or the file being rewritten.
    void aSlotWithABadNumberIsRefusedAndTheFileKept() {
        Rig r;
        std::string bad = kSlot2File;
        bad.replace(bad.find(" 3 "), 3, "three");
        r.write(kSaveFileName, bad);
        SaveSlotsWindow* w = open(r, true);
        r.msg.answer(MsgButton::Yes);
        w->onSlotClicked(1);
        QCOMPARE(r.msg.shown().size(), size_t(2));
        QVERIFY(!r.msg.shown()[1].isQuestion);
        QVERIFY(r.msg.shown()[1].text.find("three") != std::string::npos);
        QCOMPARE(r.read(kSaveFileName), bad);
        QVERIFY(r.forms->loaded(FormId::saveSlots) && !r.forms->loaded(FormId::game));
        QCOMPARE(int(r.app->g.level), 1);
        QCOMPARE(r.app->globals.playerName, std::string());
    }

    // Guards a failed save being silent, clobbering the file, or captioned as stored.
    void aFailedSaveTellsThePlayerOnceAndKeepsTheOldFile() {
        Rig r(false);
        r.write(kSaveFileName, "");  // re-reading restores nothing: the slots must
        r.blockWrites(kSaveFileName);
        setRun(*r.app);
        r.app->globals.playerName = "New";
        SaveSlotsWindow* w = open(r, false);
        r.msg.answer(MsgButton::Yes);
        w->onSlotClicked(0);
        QCOMPARE(r.msg.shown().size(), size_t(2));
        QCOMPARE(r.msg.shown()[1].text, std::string("The game could not be saved."));
        QCOMPARE(r.read(kSaveFileName), std::string());
        QCOMPARE(caption(w, 0), kNew);
    }

    // Guards a missing file not created, the wrong way out shown, and where it leads:
    // Cancel or the close box to the title, Okay or the close box back to the game.
    void cancelOkayAndTheCloseBoxLeadBack() {
        for (bool loadMode : {true, false})
            for (bool closeBox : {false, true}) {
                const QByteArray what = QByteArray(loadMode ? "load" : "save") + (closeBox ? ", close box" : "");
                Rig r;
                SaveSlotsWindow* w = nullptr;
                if (loadMode) {
                    w = open(r, true);
                    QVERIFY2(r.app->globals.flags.loadShowing && r.read(kSaveFileName).empty(), what);  // created
                    for (int i = 0; i < 3; ++i) QCOMPARE(caption(w, i), kNew);
                } else {  // saving from a running game hides it
                    r.forms->show(FormId::game);
                    r.get<GameWindowWidget>(FormId::game)->onSaveChosen();
                    QVERIFY2(!r.app->globals.flags.gameShowing, what);
                    w = r.get<SaveSlotsWindow>(FormId::saveSlots);
                }
                QVERIFY2(w->cancelLabel->isHidden() != loadMode && w->okayLabel->isHidden() == loadMode, what);
                if (closeBox) w->close();
                else QTest::mouseClick(loadMode ? w->cancelLabel : w->okayLabel, Qt::LeftButton);
                Rig::flush();
                QVERIFY2(!r.forms->loaded(FormId::saveSlots) && !r.app->globals.flags.loadShowing, what);
                if (loadMode) QVERIFY2(r.forms->loaded(FormId::titleMenu), what);
                else QVERIFY2(r.app->globals.flags.gameShowing && r.forms->find(FormId::game)->isVisible(), what);
            }
    }
};

VRH_QT_TEST(SaveSlotsWindowTest)
#include "save_slots_window_test.moc"
