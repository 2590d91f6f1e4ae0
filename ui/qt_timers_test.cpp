// The program's timers on Qt's event loop, and the pad polling they drive.
#include <SDL.h>

#include <QtTest>

#include "game/GameState.h"
#include "platform/Timer.h"
#include "tests/support/QtTestMain.h"
#include "ui/QtGamepad.h"
#include "ui/QtPlatform.h"

using namespace vrh;

class QtTimersTest : public QObject {
    Q_OBJECT
private slots:
    // Guards timers firing while disabled or removed, or faster than the shortest interval.
    void timersFireOnlyWhileEnabledAndNeverFasterThanTheShortestInterval() {
        QtTimerDriver driver;
        Timer asap{1, true}, tick{50, false};
        int asapFired = 0, tickFired = 0;
        asap.handler = [&] { ++asapFired; };
        tick.handler = [&] { ++tickFired; };
        driver.add(asap);
        driver.add(tick);
        QCOMPARE(driver.runningInterval(asap), QtTimerDriver::kShortestIntervalMs);
        QTRY_VERIFY(asapFired >= 2);
        QCOMPARE(tickFired, 0);
        tick.setEnabled(true);
        QTRY_VERIFY(tickFired >= 1);
        asap.setEnabled(false);
        driver.remove(tick);
        const int stopped = asapFired, removed = tickFired;
        QTest::qWait(120);
        QVERIFY(asapFired == stopped && tickFired == removed && driver.runningInterval(tick) == 0);
    }

    // Guards a plugged-in controller going unnoticed, or fast polling with none.
    void padPollsOftenOnlyWhileAControllerIsConnected() {
        KeyboardTracker keys;
        ButtonMap map;
        QtGamepad pad(keys, map);
        if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) QSKIP("no SDL game-controller support here");
        QCOMPARE(pad.pollInterval(), QtGamepad::kIdlePollMs);
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        QVERIFY2(index >= 0, SDL_GetError());
        QTRY_COMPARE_WITH_TIMEOUT(pad.pollInterval(), QtGamepad::kPollMs, 3 * QtGamepad::kIdlePollMs);
        SDL_JoystickDetachVirtual(index);
        QTRY_COMPARE_WITH_TIMEOUT(pad.pollInterval(), QtGamepad::kIdlePollMs, 500);
    }
};

VRH_QT_TEST(QtTimersTest)
#include "qt_timers_test.moc"
