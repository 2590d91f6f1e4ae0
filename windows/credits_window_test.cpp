// The credits window over a running game.
#include <QLabel>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/title/CreditsWindow.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    // Guards Okay resuming the frozen game (the volley only when one is under way)
    // with one tank shot, and the close box leaving it frozen.
    void okayResumesAndTheCloseBoxDoesNot() {
        struct Case { const char* name; bool volleyUnderway; bool okay; int shots; bool moves, volley; };
        const Case cases[] = {{"okay", true, true, 1, true, true},
                              {"okay, volley off", false, true, 0, true, false},
                              {"close box", true, false, 0, false, false}};
        for (const Case& c : cases) {
            OverGame kit(&GameWindowWidget::onAboutChosen);
            kit.game->volleyUnderway = c.volleyUnderway;
            CreditsWindow* w = kit.get<CreditsWindow>(FormId::credits);
            QVERIFY2(kit.app->globals.flags.aboutShowing, c.name);
            if (c.okay) QTest::mouseClick(w->okayLabel, Qt::LeftButton);
            else w->close();
            QVERIFY2(kit.tankShots() == c.shots, c.name);
            QVERIFY2(kit.game->moveTimer.Enabled() == c.moves && kit.game->tankShotTimer.Enabled() == c.volley, c.name);
            QVERIFY2(!kit.forms->loaded(FormId::credits) && !kit.app->globals.flags.aboutShowing, c.name);
        }
    }
};

VRH_QT_TEST(AboutTest)
#include "credits_window_test.moc"
