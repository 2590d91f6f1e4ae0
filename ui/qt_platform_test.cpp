// The program's Qt services: the keyboard's key events become the held and pressed answers the game polls;
// timers on Qt's event loop; the pad polling.
#include <SDL.h>

#include <QWidget>
#include <QtTest>

#include <set>

#include "game/GameState.h"
#include "platform/Timer.h"
#include "shell/KeyNames.h"
#include "tests/support/QtTestMain.h"
#include "ui/QtGamepad.h"
#include "ui/QtKeyboard.h"
#include "ui/QtPlatform.h"

using namespace vrh;

namespace {
constexpr int kEnter = 13;
QKeyEvent enter(QEvent::Type type, bool autoRepeat = false) {
    return QKeyEvent(type, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
}
void send(QWidget& w, QEvent::Type type, bool autoRepeat = false, quint64 time = 0) {
    QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
    e.setTimestamp(time);
    QCoreApplication::sendEvent(&w, &e);
}
bool pressed(QtKeyboard& k) { return k.GetAsyncKeyState(kEnter) & 1; }  // since the last query
}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a key the configuration offers that no key press can produce.
    void everyListedCodeIsProduced() {
        std::set<int> produced;
        for (bool keypad : {false, true})
            for (int k : {0x20, 0x01000000})
                for (int i = 0; i <= 0xff; ++i) produced.insert(virtualKeyOf(k + i, keypad));
        for (const KeyName& k : keyNameList()) QVERIFY2(produced.count(k.code), std::string(k.name).c_str());
        QVERIFY(virtualKeyOf(Qt::Key_5, true) == 101 &&
                virtualKeyOf(Qt::Key_Return, false) == 13);  // NumPad5
    }

    // Guards a quick second press lost, auto-repeat (marked, or X11's unmarked release-press pair at one
    // time) read as presses, and a key left down after a message box swallowed its release.
    void aKeyIsDownExactlyWhileHeld() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);
        QVERIFY(keyboard.isDown(kEnter) && pressed(keyboard));
        send(w, QEvent::KeyPress, true);
        send(w, QEvent::KeyRelease, true);
        QVERIFY2(keyboard.isDown(kEnter) && !pressed(keyboard), "repeats change nothing");
        send(w, QEvent::KeyRelease);
        QVERIFY2(!keyboard.isDown(kEnter), "up at once");
        send(w, QEvent::KeyPress);
        QVERIFY2(pressed(keyboard), "a quick second press counts");
        send(w, QEvent::KeyRelease, false, 5000);
        send(w, QEvent::KeyPress, false, 5000);
        QVERIFY2(keyboard.isDown(kEnter) && !pressed(keyboard), "an unmarked repeat is no press");
        send(w, QEvent::KeyRelease, false, 5040);
        send(w, QEvent::KeyPress, false, 5300);
        QVERIFY(pressed(keyboard));

        QEvent unblocked(QEvent::WindowUnblocked);  // a box closed: its release was dropped
        QCoreApplication::sendEvent(&w, &unblocked);
        QVERIFY(!keyboard.isDown(kEnter));
        send(w, QEvent::KeyPress, true);  // still held: the repeat brings it back, not as a press
        QVERIFY(keyboard.isDown(kEnter) && !pressed(keyboard));
    }

    // Guards the repeats or the release of a key held from elsewhere acting in a window.
    void keyEventsBelongToTheReaderThatSawThePress() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);
        KeyReader box(keyboard);  // opens while Enter is held
        QVERIFY(!keyEventBelongs(box, enter(QEvent::KeyPress, true)) &&
                !keyEventBelongs(box, enter(QEvent::KeyRelease)));
        QVERIFY2(keyEventBelongs(box, enter(QEvent::KeyPress)), "a new press always belongs");
        send(w, QEvent::KeyRelease);
        send(w, QEvent::KeyPress);
        QVERIFY(keyEventBelongs(box, enter(QEvent::KeyPress, true)) &&
                keyEventBelongs(box, enter(QEvent::KeyRelease)));
    }

    // Guards timers firing while disabled or removed, or faster than the shortest interval.
    void timersFireOnlyWhileEnabledAndNeverFasterThanTheShortestInterval() {
        QtTimerDriver driver;
        Timer asap{1, true}, tick{50, false};
        int asapFired = 0, tickFired = 0;
        asap.handler = [&] { ++asapFired; }, tick.handler = [&] { ++tickFired; };
        driver.add(asap), driver.add(tick);
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

VRH_QT_TEST(QtPlatformTest)
#include "qt_platform_test.moc"
