// The name prompt: Start is polled every 100 ms; an empty name is refused,
// anything else starts a new run.
#include "windows/ShellTestKit.h"

#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/progress/FrmName.h"
#include "windows/title/FrmMainForm.h"

using namespace vrh;
using namespace vrh::test;

namespace {
constexpr int kEnter = 13;
}

class NamePromptTest : public QObject {
    Q_OBJECT

    static FrmName* open(Rig& r) {
        r.forms->show(FormId::frmName);
        r.front(FormId::frmName);
        return r.get<FrmName>(FormId::frmName);
    }

private slots:
    // Guards an empty name starting a run, and a held Start asking again on every poll.
    void emptyNameIsRefusedOnceWhileStartIsHeld() {
        Rig r;
        FrmName* w = open(r);
        QVERIFY(r.app->globals.flags.nameShowing && w->txtName->text().isEmpty());
        r.keys.keyDown(kEnter);
        r.tick(500);
        QCOMPARE(r.msg.shown().size(), size_t(1));  // the held Start is the box's now
        QVERIFY(!r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("That isn't a name!"));
        QCOMPARE(r.get<FrmName>(FormId::frmName), w);
        QVERIFY(!r.forms->loaded(FormId::frmVarnholt));
        r.keys.keyUp(kEnter);
        r.tick(500);  // no key, no more boxes
        w->txtName->setText("Di");
        r.keys.tap(kEnter);
        r.tick(100);
        QCOMPARE(r.msg.shown().size(), size_t(1));
        QCOMPARE(r.app->globals.playerName, std::string("Di"));
    }

    // Guards a blank being trimmed away, and the new run keeping the last run's upgrades.
    void aSingleBlankIsANameAndStartsAFreshRun() {
        Rig r;
        r.app->g.attackPower = 40;
        r.app->g.gunType = "Psychic";
        FrmName* w = open(r);
        QTest::keyClicks(w->txtName, " ");
        r.keys.tap(kEnter);
        r.tick(100);
        Rig::flush();
        QVERIFY(r.msg.shown().empty());
        QCOMPARE(r.app->globals.playerName, std::string(" "));
        QVERIFY(!r.app->globals.newGameAllowed);
        QVERIFY(!r.forms->loaded(FormId::frmName) && r.forms->loaded(FormId::frmVarnholt));
        QCOMPARE(int(r.app->g.attackPower), 1);
        QCOMPARE(r.app->g.gunType, std::string("Regular"));
        QCOMPARE(int(r.app->g.playerHP), 5);
    }

    // Guards a tap between two polls being missed.
    void aTapBetweenTwoPollsStillCounts() {
        Rig r;
        open(r)->txtName->setText("Bo");
        r.tick(30);
        r.keys.keyDown(kEnter);
        r.tick(20);
        r.keys.keyUp(kEnter);
        QVERIFY(r.forms->loaded(FormId::frmName));
        r.tick(50);
        QCOMPARE(r.app->globals.playerName, std::string("Bo"));
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
    }

    // Guards Enter confirming although Start was bound to another key.
    void withStartReboundEnterNoLongerConfirms() {
        Rig r;
        r.app->globals.keys.keyStart = 80;  // P
        open(r)->txtName->setText("Cy");
        r.keys.tap(kEnter);
        r.tick(300);
        QVERIFY(r.forms->loaded(FormId::frmName) && !r.forms->loaded(FormId::frmVarnholt));
        r.keys.tap(80);
        r.tick(100);
        QCOMPARE(r.app->globals.playerName, std::string("Cy"));
        QVERIFY(r.forms->loaded(FormId::frmVarnholt));
    }

    // Guards the title menu eating the tap meant for the prompt, and staying open.
    void theTitleMenuIsMarkedAndClosed() {
        Rig r(true, false);
        r.forms->setFactory(FormId::frmMainForm, [](Forms& f) -> Form* { return new FrmMainForm(f); });
        r.forms->show(FormId::frmMainForm);
        QPointer<FrmMainForm> title = r.get<FrmMainForm>(FormId::frmMainForm);
        QVERIFY(title);
        QVERIFY(title->lblStart().selected);
        open(r)->txtName->setText("Eve");
        r.keys.tap(kEnter);  // the title menu polls Start on its own ticks too
        r.tick(100);
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
        QVERIFY(title);  // unloaded, not yet destroyed
        QVERIFY(!title->lblStart().selected);
    }

    // Guards the close box leaving no window open.
    void closingThePromptGoesBackToTheTitle() {
        Rig r;
        FrmName* w = open(r);
        QVERIFY(!r.forms->loaded(FormId::frmMainForm));
        w->close();
        Rig::flush();
        QVERIFY(!r.forms->loaded(FormId::frmName) && !r.app->globals.flags.nameShowing);
        QVERIFY(r.forms->loaded(FormId::frmMainForm) && !r.forms->loaded(FormId::frmVarnholt));
        QCOMPARE(r.loads[FormId::frmMainForm], 1);
    }
};

VRH_QT_TEST(NamePromptTest)
#include "name_prompt_test.moc"
