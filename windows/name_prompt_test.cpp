// The name prompt: Start is polled every 100 ms; an empty name is refused,
// anything else starts a new run.
#include "windows/ShellTestKit.h"

#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/progress/NamePromptWindow.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
constexpr int kEnter = 13;
}

class NamePromptTest : public QObject {
    Q_OBJECT

    static NamePromptWindow* open(Rig& r) {
        r.forms->show(FormId::namePrompt);
        r.front(FormId::namePrompt);
        return r.get<NamePromptWindow>(FormId::namePrompt);
    }

private slots:
    // Guards an empty name starting a run, and a held Start asking again on every poll.
    void emptyNameIsRefusedOnceWhileStartIsHeld() {
        Rig r;
        NamePromptWindow* w = open(r);
        QVERIFY(r.app->globals.flags.nameShowing && w->nameEdit->text().isEmpty());
        r.keys.keyDown(kEnter);
        r.tick(500);
        QCOMPARE(r.msg.shown().size(), size_t(1));  // the held Start is the box's now
        QVERIFY(!r.msg.shown()[0].isQuestion);
        QCOMPARE(r.msg.shown()[0].text, std::string("That isn't a name!"));
        QCOMPARE(r.get<NamePromptWindow>(FormId::namePrompt), w);
        QVERIFY(!r.forms->loaded(FormId::game));
        r.keys.keyUp(kEnter);
        r.tick(500);  // no key, no more boxes
        w->nameEdit->setText("Di");
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
        NamePromptWindow* w = open(r);
        QTest::keyClicks(w->nameEdit, " ");
        r.keys.tap(kEnter);
        r.tick(100);
        Rig::flush();
        QVERIFY(r.msg.shown().empty());
        QCOMPARE(r.app->globals.playerName, std::string(" "));
        QVERIFY(!r.app->globals.newGameAllowed);
        QVERIFY(!r.forms->loaded(FormId::namePrompt) && r.forms->loaded(FormId::game));
        QCOMPARE(int(r.app->g.attackPower), 1);
        QCOMPARE(r.app->g.gunType, std::string("Regular"));
        QCOMPARE(int(r.app->g.playerHP), 5);
    }

    // Guards a tap between two polls being missed.
    void aTapBetweenTwoPollsStillCounts() {
        Rig r;
        open(r)->nameEdit->setText("Bo");
        r.tick(30);
        r.keys.keyDown(kEnter);
        r.tick(20);
        r.keys.keyUp(kEnter);
        QVERIFY(r.forms->loaded(FormId::namePrompt));
        r.tick(50);
        QCOMPARE(r.app->globals.playerName, std::string("Bo"));
        QVERIFY(r.forms->loaded(FormId::game));
    }

    // Guards Enter confirming although Start was bound to another key.
    void withStartReboundEnterNoLongerConfirms() {
        Rig r;
        r.app->globals.keys.keyStart = 80;  // P
        open(r)->nameEdit->setText("Cy");
        r.keys.tap(kEnter);
        r.tick(300);
        QVERIFY(r.forms->loaded(FormId::namePrompt) && !r.forms->loaded(FormId::game));
        r.keys.tap(80);
        r.tick(100);
        QCOMPARE(r.app->globals.playerName, std::string("Cy"));
        QVERIFY(r.forms->loaded(FormId::game));
    }

    // Guards the title menu eating the tap meant for the prompt, and staying open.
    void theTitleMenuIsMarkedAndClosed() {
        Rig r(true, false);
        r.forms->setFactory(FormId::titleMenu, [](Forms& f) -> Form* { return new TitleMenuWindow(f); });
        r.forms->show(FormId::titleMenu);
        QPointer<TitleMenuWindow> title = r.get<TitleMenuWindow>(FormId::titleMenu);
        QVERIFY(title);
        QVERIFY(title->newGameEntry().selected);
        open(r)->nameEdit->setText("Eve");
        r.keys.tap(kEnter);  // the title menu polls Start on its own ticks too
        r.tick(100);
        QVERIFY(!r.forms->loaded(FormId::titleMenu));
        QVERIFY(title);  // unloaded, not yet destroyed
        QVERIFY(!title->newGameEntry().selected);
    }

    // Guards the close box leaving no window open.
    void closingThePromptGoesBackToTheTitle() {
        Rig r;
        NamePromptWindow* w = open(r);
        QVERIFY(!r.forms->loaded(FormId::titleMenu));
        w->close();
        Rig::flush();
        QVERIFY(!r.forms->loaded(FormId::namePrompt) && !r.app->globals.flags.nameShowing);
        QVERIFY(r.forms->loaded(FormId::titleMenu) && !r.forms->loaded(FormId::game));
        QCOMPARE(r.loads[FormId::titleMenu], 1);
    }
};

VRH_QT_TEST(NamePromptTest)
#include "name_prompt_test.moc"
