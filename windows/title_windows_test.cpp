// The start-up window (the flags and button map it resets, the exit watchdog)
// and the title menu (which keys are its own, its partial redraws).

#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/title/StartupWindow.h"
#include "windows/title/TitleCanvas.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
struct Startup {  // the media flag says No: nothing is extracted
    Startup() {
        kit.write("ws.txt", "No\r\n");
        kit.forms->setFactory(FormId::startup, [this](Forms& f) -> Form* {
            auto* w = new StartupWindow(f, StartupWindow::embedded());
            w->onQuit = [this] { ++quits; };
            return w;
        });
        kit.forms->load(FormId::startup);
    }
    ShellKit kit;
    int quits = 0;
};
}  // namespace

class TitleWindowsTest : public QObject {
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

    // Guards a restart keeping old bindings or window flags.
    void startResetsFlagsAndButtonMap() {
        Startup s;
        ButtonMap& k = s.kit.app->globals.keys;
        k = ButtonMap{65, 1, 2, 3, 4, 5, 6, 7, 8, 9, 101, 9};
        s.kit.app->globals.flags.gameShowing = s.kit.app->globals.flags.upgradesShowing = true;
        s.kit.forms->unload(FormId::startup);
        s.kit.forms->unload(FormId::titleMenu);
        s.kit.forms->load(FormId::startup);
        const int defaults[12] = {32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16};
        const Int16* map[12] = {&k.keyA,  &k.keyB,    &k.keyC,    &k.keyX,     &k.keyY,     &k.keyZ,
                                &k.keyUp, &k.keyDown, &k.keyLeft, &k.keyRight, &k.keyStart, &k.keySelect};
        for (int i = 0; i < 12; ++i) QCOMPARE(int(*map[i]), defaults[i]);
        const WindowFlags& f = s.kit.app->globals.flags;
        QVERIFY(f.mainMenuShowing && !f.gameShowing && !f.upgradesShowing);
        QVERIFY(s.kit.forms->find(FormId::titleMenu)->isVisible());
    }

    // Guards the exit watchdog ending the program under an open window, or
    // never; and a program left running with no window shown for a second.
    void watchdogWaitsWhileAWindowCountsAsOpenAndShown() {
        Startup s;
        s.kit.clock.advance(1000);
        QCOMPARE(s.quits, 0);
        WindowFlags& f = s.kit.app->globals.flags;
        f.mainMenuShowing = false;
        for (bool WindowFlags::*flag : {&WindowFlags::loadShowing, &WindowFlags::gameShowing, &WindowFlags::highScoresShowing,
                                        &WindowFlags::buttonConfigShowing, &WindowFlags::nameShowing,
                                        &WindowFlags::aboutShowing, &WindowFlags::optionsShowing}) {
            f.*flag = true;
            s.kit.clock.advance(300);
            QCOMPARE(s.quits, 0);
            f.*flag = false;
        }
        f.gameShowing = true;  // a flag nobody will clear
        bool shown = true;
        s.kit.get<StartupWindow>(FormId::startup)->anyWindowShown = [&] { return shown; };
        s.kit.clock.advance(500);
        shown = false;
        s.kit.clock.advance(900);
        shown = true;  // a window came back in time: the count starts again
        s.kit.clock.advance(100);
        shown = false;
        s.kit.clock.advance(900);
        QCOMPARE(s.quits, 0);
        s.kit.clock.advance(100);
        QCOMPARE(s.quits, 1);
    }
};

VRH_QT_TEST(TitleWindowsTest)
#include "title_windows_test.moc"
