// The save-slot picker: captions, saving into a slot (the whole file
// rewritten), loading a slot over a fresh run, and refusing what cannot load.
#include "MetaTestRig.h"

#include <QtTest>

#include "meta/ui/FrmLoad.h"

using namespace vrh;
using namespace vrh::testing;

namespace {
const QString kNew = QStringLiteral("------------New file------------");

const std::string kSlot2File = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                              "Ann\r\n 3 \r\n 7 \r\n 4 \r\n 2 \r\n 1234 \r\nNinja\r\nMega\r\n 5678 \r\n 4 \r\n"
                              "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

void setRun(App& a) {
    a.globals.playerName = "Ann";
    a.g.level = 3;
    a.g.playerMaxHP = 7;
    a.g.playerHP = 2;  // the slot keeps the full HP
    a.g.attackPower = 4;
    a.g.playerDefense = 2;
    a.g.money = 1234;
    a.g.gunType = "Ninja";
    a.g.shotType = "Mega";
    a.g.score = 5678;
    a.g.lives = 4;
}
}  // namespace

class SaveSlotsWindowTest : public QObject {
    Q_OBJECT

    static FrmLoad* open(Rig& r, bool loadMode) {
        r.app->globals.loadMode = loadMode;
        r.forms->show(FormId::frmLoad);
        return r.get<FrmLoad>(FormId::frmLoad);
    }
    static QString caption(FrmLoad* w, int i) { return w->lblFileName[size_t(i)]->text(); }

private slots:
    void missingFileIsCreatedEmptyAndShowsThreeNewSlots() {
        Rig r(false);
        FrmLoad* w = open(r, true);
        QCOMPARE(w->windowTitle(), QString("Load/Save    Click on file to load/save"));
        QCOMPARE(w->size(), QSize(426, 185));
        QVERIFY(r.app->globals.flags.loadShowing);
        QVERIFY(r.exists(kSaveFileName));
        QCOMPARE(r.read(kSaveFileName), std::string());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(caption(w, i), kNew);
            QCOMPARE(w->lblFile[size_t(i)]->text(), QString("File %1:").arg(i + 1));
            QCOMPARE(w->lblFileName[size_t(i)]->pos(), QPoint(208, 16 + 40 * i));
        }
        QVERIFY(!w->lblcancel->isHidden());
        QVERIFY(w->lblOkay->isHidden());
        QCOMPARE(w->lblcancel->pos(), QPoint(168, 152));
    }

    void saveIntoSlot2WritesThirtyLinesAndCaptionsTakeABlank() {
        Rig r(false);
        setRun(*r.app);
        FrmLoad* w = open(r, false);
        QVERIFY(w->lblcancel->isHidden());
        QVERIFY(!w->lblOkay->isHidden());
        r.msg.answer(MsgButton::Yes);
        QTest::mouseClick(w->lblFileName[1], Qt::LeftButton);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QVERIFY(r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("This file will be overwritten! Are you sure you want to save?"));
        QCOMPARE(r.msg.shown()[0].title, std::string("Are you sure you want to save?"));
        QCOMPARE(r.read(kSaveFileName), kSlot2File);
        QCOMPARE(lines(r.read(kSaveFileName)).size(), size_t(30));
        QCOMPARE(caption(w, 0), kNew);
        QCOMPARE(caption(w, 1), QString("Name: Ann"));
        QCOMPARE(caption(w, 2), kNew);
        QVERIFY(r.forms->loaded(FormId::frmLoad));  // the picker stays for more saves

        r.forms->unload(FormId::frmLoad);
        Rig::flushDeletes();
        w = open(r, false);
        QCOMPARE(caption(w, 1), QString("Name:Ann"));
    }

    void answeringNoStillRereadsTheFile() {
        Rig r(false);
        r.write(kSaveFileName, kSlot2File);
        setRun(*r.app);
        r.app->globals.playerName = "Zed";
        FrmLoad* w = open(r, false);
        QCOMPARE(caption(w, 1), QString("Name:Ann"));
        r.msg.answer(MsgButton::No);
        w->lblFileName_Click(0);
        QCOMPARE(r.msg.shown().size(), size_t(1));  // asked for a new slot too
        QCOMPARE(r.read(kSaveFileName), kSlot2File);
        QCOMPARE(caption(w, 0), kNew);
        QCOMPARE(caption(w, 1), QString("Name: Ann"));
    }

    void loadRestoresTheSlotOverAFreshRun() {
        Rig r;
        r.write(kSaveFileName, kSlot2File);
        r.forms->show(FormId::frmMainForm);
        FrmLoad* w = open(r, true);
        r.tick(1);  // the picker closes the title menu
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));

        w->lblFileName_Click(0);  // a new slot: nothing, not even a question
        QVERIFY(r.msg.shown().empty());

        r.msg.answer(MsgButton::Yes);
        w->lblFileName_Click(1);
        Rig::flushDeletes();
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.msg.shown()[0].text, std::string("Do you wish to load this file?"));
        QCOMPARE(r.msg.shown()[0].title, std::string("Load this file?"));
        QVERIFY(!r.forms->loaded(FormId::frmLoad));
        QVERIFY(!r.app->globals.flags.loadShowing);
        QVERIFY(r.game());
        const GameState& g = r.app->g;
        QCOMPARE(r.app->globals.playerName, std::string("Ann"));
        QCOMPARE(int(g.level), 3);
        QCOMPARE(int(g.playerHP), 7);
        QCOMPARE(int(g.tankHP), 100);  // the rest is the fresh run's
    }

    void aSlotWithABadNumberIsRefusedAndTheFileKept() {
        Rig r;
        std::string bad = kSlot2File;
        bad.replace(bad.find(" 3 "), 3, "three");
        r.write(kSaveFileName, bad);
        FrmLoad* w = open(r, true);
        r.msg.answer(MsgButton::Yes);
        w->lblFileName_Click(1);
        QCOMPARE(r.msg.shown().size(), size_t(2));
        QVERIFY(!r.msg.shown()[1].isQuestion);
        QVERIFY(r.msg.shown()[1].text.find("three") != std::string::npos);
        QCOMPARE(r.read(kSaveFileName), bad);
        QVERIFY(r.forms->loaded(FormId::frmLoad));
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
        QCOMPARE(int(r.app->g.level), 1);
        QCOMPARE(r.app->globals.playerName, std::string());
    }

    void aFailedSaveTellsThePlayerOnceAndKeepsTheOldFile() {
        Rig r(false);
        r.write(kSaveFileName, "");  // re-reading restores nothing: the slots must
        r.blockWrites(kSaveFileName);
        setRun(*r.app);
        r.app->globals.playerName = "New";
        FrmLoad* w = open(r, false);
        r.msg.answer(MsgButton::Yes);
        w->lblFileName_Click(0);
        QCOMPARE(r.msg.shown().size(), size_t(2));
        QCOMPARE(r.msg.shown()[1].text, std::string("The game could not be saved."));
        QCOMPARE(r.read(kSaveFileName), std::string());
        QCOMPARE(caption(w, 0), kNew);  // not "Name: New": nothing was stored
    }

    void cancelShowsTheTitleAndOkayTheGame() {
        Rig r;
        FrmLoad* w = open(r, true);
        QTest::mouseClick(w->lblcancel, Qt::LeftButton);
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmLoad));
        QVERIFY(!r.app->globals.flags.loadShowing);
        QVERIFY(r.forms->loaded(FormId::frmMainForm));

        // Saving from a running game: the game is hidden, "Okay" brings it back.
        r.forms->show(FormId::frmVarnholt);
        r.forms->unload(FormId::frmMainForm);
        r.get<FrmVarnholt>(FormId::frmVarnholt)->mnuSave_Click();
        QVERIFY(!r.app->globals.flags.gameShowing);
        w = r.get<FrmLoad>(FormId::frmLoad);
        QVERIFY(w);
        QTest::mouseClick(w->lblOkay, Qt::LeftButton);
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmLoad));
        QVERIFY(r.app->globals.flags.gameShowing);
        QVERIFY(r.forms->find(FormId::frmVarnholt)->isVisible());
    }

    void closeBoxDoesWhatTheVisibleLabelDoes() {
        Rig r;
        open(r, true)->close();
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmLoad));
        QVERIFY(r.forms->loaded(FormId::frmMainForm));
        r.forms->unload(FormId::frmMainForm);

        open(r, false)->close();
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmLoad));
        QVERIFY(r.app->globals.flags.gameShowing);
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
    }
};

QTEST_MAIN(SaveSlotsWindowTest)
#include "save_slots_window_test.moc"
