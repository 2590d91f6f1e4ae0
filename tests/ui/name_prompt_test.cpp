// The name prompt: Start is polled every 100 ms; an empty name is refused,
// anything else starts a new run.
#include "MetaTestRig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "meta/ui/FrmName.h"
#include "shell/ui/FrmMainForm.h"

using namespace vrh;
using namespace vrh::testing;

namespace {
constexpr int kEnter = 13;
}

class NamePromptTest : public QObject {
    Q_OBJECT

    static FrmName* open(Rig& r) {
        r.forms->show(FormId::frmName);
        return r.get<FrmName>(FormId::frmName);
    }

private slots:
    void opensWithItsControls() {
        Rig r(false);
        FrmName* w = open(r);
        QVERIFY(r.app->globals.flags.nameShowing);
        QCOMPARE(w->windowTitle(), QString("Name"));
        QCOMPARE(w->size(), QSize(312, 80));
        QCOMPARE(w->lblquestion->text(), QString("What is your name?"));
        QCOMPARE(w->lblhitstart->text(), QString("Hit the Start button to continue."));
        QCOMPARE(w->txtName->geometry(), QRect(32, 32, 249, 19));
        QVERIFY(w->txtName->text().isEmpty());
    }

    void emptyNameIsRefusedAndThePromptStays() {
        Rig r;
        FrmName* w = open(r);
        r.keys.tap(kEnter);
        r.tick(100);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QVERIFY(!r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("That isn't a name!"));
        QCOMPARE(r.get<FrmName>(FormId::frmName), w);
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
        r.tick(500);  // no key, no more boxes
        QCOMPARE(r.msg.shown().size(), size_t(1));
    }

    void aSingleBlankIsANameAndStartsTheRun() {
        Rig r;
        r.app->g.attackPower = 40;
        r.app->g.gunType = "Psychic";
        FrmName* w = open(r);
        QTest::keyClicks(w->txtName, " ");
        r.keys.tap(kEnter);
        r.tick(100);
        Rig::flushDeletes();
        QVERIFY(r.msg.shown().empty());
        QCOMPARE(r.app->globals.playerName, std::string(" "));
        QVERIFY(!r.app->globals.newGameAllowed);
        QVERIFY(!r.forms->loaded(FormId::frmName));
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
        QCOMPARE(int(r.app->g.attackPower), 1);
        QCOMPARE(r.app->g.gunType, std::string("Regular"));
        QCOMPARE(int(r.app->g.playerHP), 5);
    }

    void aTapBetweenTwoPollsStillCounts() {
        Rig r;
        FrmName* w = open(r);
        w->txtName->setText("Bo");
        r.tick(30);
        r.keys.keyDown(kEnter);
        r.tick(20);
        r.keys.keyUp(kEnter);  // down for 20 ms, up again before the poll
        QVERIFY(r.forms->loaded(FormId::frmName));
        r.tick(50);
        QCOMPARE(r.app->globals.playerName, std::string("Bo"));
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
    }

    void withStartReboundEnterNoLongerConfirms() {
        Rig r;
        r.app->globals.keys.keyStart = 80;  // P
        FrmName* w = open(r);
        w->txtName->setText("Cy");
        r.keys.tap(kEnter);
        r.tick(300);
        QVERIFY(r.forms->loaded(FormId::frmName));
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
        r.keys.tap(80);
        r.tick(100);
        QCOMPARE(r.app->globals.playerName, std::string("Cy"));
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
    }

    void startHeldThroughTheRefusalAsksOnlyOnce() {
        Rig r;
        FrmName* w = open(r);
        r.keys.keyDown(kEnter);
        r.tick(500);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        r.keys.keyUp(kEnter);
        r.tick(100);
        w->txtName->setText("Di");
        r.keys.tap(kEnter);
        r.tick(100);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.app->globals.playerName, std::string("Di"));
    }

    void theTitleMenuIsMarkedAndClosed() {
        Rig r(true, false);
        r.forms->setFactory(FormId::frmMainForm, [](Forms& f) -> Form* { return new FrmMainForm(f); });
        r.forms->show(FormId::frmMainForm);
        QPointer<FrmMainForm> title = r.get<FrmMainForm>(FormId::frmMainForm);
        QVERIFY(title);
        QCOMPARE(title->lblStart().Tag, std::string("1"));
        FrmName* w = open(r);
        w->txtName->setText("Eve");
        // A short tap: the title menu looks at Start on its own ticks too,
        // and that must not use the tap up before the prompt sees it.
        r.keys.tap(kEnter);
        r.tick(100);
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
        QVERIFY(title);  // unloaded, not yet destroyed
        QCOMPARE(title->lblStart().Tag, std::string("0"));
    }

    void closingThePromptGoesBackToTheTitle() {
        Rig r;
        FrmName* w = open(r);
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
        w->close();
        Rig::flushDeletes();
        QVERIFY(!r.forms->loaded(FormId::frmName));
        QVERIFY(!r.app->globals.flags.nameShowing);
        QVERIFY(r.forms->loaded(FormId::frmMainForm));
        QCOMPARE(r.titleLoads, 1);
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
    }
};

QTEST_MAIN(NamePromptTest)
#include "name_prompt_test.moc"
