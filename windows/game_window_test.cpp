// The game window's own parts: the status line under the field and the close box.
#include <QLabel>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

class GameWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a HUD that only the (possibly cut) caption carries.
    void theStatusLineShowsTheCaption() {
        ShellKit k;
        k.forms->show(FormId::game);
        k.front(FormId::game);
        k.app->g.score = 1234;
        k.clock.advance(50);
        auto* w = k.get<GameWindowWidget>(FormId::game);
        auto* status = w->findChild<QLabel*>(QStringLiteral("statusLine"));
        QVERIFY(status && status->isVisible());
        QCOMPARE(status->text(), QStringLiteral("Level:1 Score:1234 Lives:5 HP:5 $0"));
        QCOMPARE(w->windowTitle(), status->text());
    }

    // Guards the close box leaving the program running with no window.
    void theCloseBoxEndsTheProgramAsQuitDoes() {
        ShellKit k;
        k.forms->show(FormId::game);
        WindowFlags& f = k.app->globals.flags;
        f.nameShowing = true;  // left set by the prompt that started the run
        k.get<GameWindowWidget>(FormId::game)->close();
        QVERIFY(!k.forms->loaded(FormId::game));
        QVERIFY(!f.nameShowing && !f.gameShowing && !f.mainMenuShowing && !f.highScoresShowing);
    }
};

VRH_QT_TEST(GameWindowTest)
#include "game_window_test.moc"
