// The name prompt: Start is polled every 100 ms; an empty name is refused,
// anything else starts a fresh run over the closed title menu.
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/NamePromptWindow.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

class NamePromptTest : public QObject {
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

    // Guards the close box leaving no window open.
    void closingThePromptGoesBackToTheTitle() {
        Rig r;
        r.forms->show(FormId::namePrompt);
        r.get<NamePromptWindow>(FormId::namePrompt)->close();
        Rig::flush();
        QVERIFY(!r.forms->loaded(FormId::namePrompt) && !r.app->globals.flags.nameShowing);
        QVERIFY(r.forms->loaded(FormId::titleMenu) && !r.forms->loaded(FormId::game));
    }
};

VRH_QT_TEST(NamePromptTest)
#include "name_prompt_test.moc"
