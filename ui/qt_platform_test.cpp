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
    QKeyEvent key = enter(type, autoRepeat);
    key.setTimestamp(time);
    QEvent other(type);  // WindowUnblocked
    QCoreApplication::sendEvent(&w, type == QEvent::WindowUnblocked ? &other : &key);
}
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
    // time) read as presses, and a key left down after a box swallowed its release (the window then gets
    // WindowUnblocked). Steps: event, auto-repeat, time; then down, and pressed since the step before.
    void aKeyIsDownExactlyWhileHeld() {
        constexpr auto press = QEvent::KeyPress, release = QEvent::KeyRelease, box = QEvent::WindowUnblocked;
        const std::tuple<QEvent::Type, bool, int, bool, bool> steps[] = {
            {press, 0, 0, 1, 1},    {press, 1, 0, 1, 0},      {release, 1, 0, 1, 0},
            {release, 0, 0, 0, 0},  {press, 0, 0, 1, 1},      {release, 0, 5000, 0, 0},
            {press, 0, 5000, 1, 0}, {release, 0, 5040, 0, 0}, {press, 0, 5300, 1, 1},
            {box, 0, 0, 0, 0},      {press, 1, 0, 1, 0}};
        QtKeyboard keys;
        QWidget w;
        for (int i = 0; auto [type, repeat, time, down, pressed] : steps) {
            send(w, type, repeat, time);
            const bool newPress = keys.GetAsyncKeyState(kEnter) & 1;
            QVERIFY2(keys.isDown(kEnter) == down && newPress == pressed, qPrintable(QString::number(i++)));
        }
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
        QTRY_VERIFY(asapFired >= 2 && tickFired == 0);
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
