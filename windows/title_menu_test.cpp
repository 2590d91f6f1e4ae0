// The title menu window: which keys are its own, and its partial redraws.
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/title/TitleCanvas.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

class TitleMenuTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the Enter that closed another window also choosing "New Game", and
    // keys acting on the title while another window is in front.
    void onlyPressesMadeWithTheTitleInFrontAct() {
        ShellKit k;
        k.forms->show(FormId::titleMenu);
        auto* w = k.get<TitleMenuWindow>(FormId::titleMenu);
        k.clock.advance(1100);  // past the first second, which ignores Start
        k.keys.tap(13);
        k.clock.advance(100);
        QCOMPARE(k.loads[FormId::namePrompt], 0);  // not in front
        k.front(FormId::titleMenu);
        k.keys.keyDown(13);  // pressed in the window that just closed
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(w, &activate);
        k.clock.advance(500);
        QCOMPARE(k.loads[FormId::namePrompt], 0);
        k.keys.keyUp(13);
        k.keys.tap(13);
        k.clock.advance(100);
        QCOMPARE(k.loads[FormId::namePrompt], 1);
    }

    // Guards a frame drawn only where the scene moves differing anywhere from one drawn whole.
    void framesDrawnInPartsMatchFramesDrawnWhole() {
        ShellKit k;
        k.forms->show(FormId::titleMenu);
        k.front(FormId::titleMenu);
        auto* w = k.get<TitleMenuWindow>(FormId::titleMenu);
        for (int tick = 0; tick < 25; ++tick) {  // the top strip steps twice; the highlight moves
            if (tick == 12) k.keys.tap(40);
            k.clock.advance(100);
            TitleCanvas whole;  // a new canvas draws everything
            whole.draw(w->scene());
            QVERIFY2(w->renderer().canvas() == whole.renderer().canvas(), qPrintable(QString::number(tick)));
        }
    }
};

VRH_QT_TEST(TitleMenuTest)
#include "title_menu_test.moc"
