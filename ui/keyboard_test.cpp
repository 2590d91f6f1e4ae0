// The real keyboard: key events become the held/pressed answers the game polls.
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include <QWidget>

#include <set>

#include "ui/QtKeyboard.h"
#include "shell/KeyNames.h"

using namespace vrh;

namespace {
constexpr int kEnter = 13;

void send(QWidget& w, QEvent::Type type, bool autoRepeat = false, quint64 time = 0) {
    QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
    e.setTimestamp(time);
    QCoreApplication::sendEvent(&w, &e);
}
bool pressedSinceLastQuery(QtKeyboard& k) { return k.GetAsyncKeyState(kEnter) & 1; }
}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a key the configuration offers that no key press can produce.
    void everyListedCodeIsProduced() {
        std::set<int> produced;
        for (bool keypad : {false, true}) {
            for (int k = 0x20; k <= 0x7e; ++k) produced.insert(virtualKeyOf(k, keypad));
            for (int k = 0x01000000; k <= 0x010000ff; ++k) produced.insert(virtualKeyOf(k, keypad));
        }
        for (const KeyName& k : keyNameList())
            QVERIFY2(produced.count(k.code), std::string(k.name).c_str());
        QCOMPARE(virtualKeyOf(Qt::Key_5, true), keyCodeOf("NumPad5").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Space, false), keyCodeOf("SpaceBar").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Return, false), keyCodeOf("Enter").value());
        QCOMPARE(virtualKeyOf(Qt::Key_Shift, false), keyCodeOf("Shift").value());
    }

    // Guards a release held back (a quick second press lost) and auto-repeat read as presses.
    void aKeyIsDownExactlyWhileHeld() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);
        QVERIFY(keyboard.isDown(kEnter) && pressedSinceLastQuery(keyboard));
        send(w, QEvent::KeyPress, true);
        send(w, QEvent::KeyRelease, true);
        QVERIFY2(keyboard.isDown(kEnter) && !pressedSinceLastQuery(keyboard), "repeats change nothing");
        send(w, QEvent::KeyRelease);
        QVERIFY2(!keyboard.isDown(kEnter), "up at once");
        send(w, QEvent::KeyPress);
        QVERIFY2(pressedSinceLastQuery(keyboard), "a quick second press counts");
        // X11's repeat pair that Qt did not mark: release and press at one time.
        send(w, QEvent::KeyRelease, false, 5000);
        send(w, QEvent::KeyPress, false, 5000);
        QVERIFY2(keyboard.isDown(kEnter) && !pressedSinceLastQuery(keyboard), "an unmarked repeat is no press");
        send(w, QEvent::KeyRelease, false, 5040);
        send(w, QEvent::KeyPress, false, 5300);
        QVERIFY(pressedSinceLastQuery(keyboard));
    }

    // Guards a key left down forever when a message box swallowed its release.
    void keysAreUpAfterAMessageBoxAndARepeatFindsAHeldKeyAgain() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);  // the Enter that opens a box; its release is dropped
        QVERIFY(pressedSinceLastQuery(keyboard));
        QEvent unblocked(QEvent::WindowUnblocked);
        QCoreApplication::sendEvent(&w, &unblocked);
        QVERIFY(!keyboard.isDown(kEnter));
        send(w, QEvent::KeyPress, true);  // still held: the repeat brings it back, not as a press
        QVERIFY(keyboard.isDown(kEnter) && !pressedSinceLastQuery(keyboard));
    }

    // Guards the repeats or the release of a key held from elsewhere acting in a window.
    void keyEventsBelongToTheReaderThatSawThePress() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);
        KeyReader box(keyboard);  // opens while Enter is held
        auto event = [](QEvent::Type t, bool repeat) { return QKeyEvent(t, Qt::Key_Return, Qt::NoModifier, QString(), repeat); };
        QVERIFY(!keyEventBelongs(box, event(QEvent::KeyPress, true)));
        QVERIFY(!keyEventBelongs(box, event(QEvent::KeyRelease, false)));
        QVERIFY2(keyEventBelongs(box, event(QEvent::KeyPress, false)), "a new press always belongs");
        send(w, QEvent::KeyRelease);
        send(w, QEvent::KeyPress);
        QVERIFY(keyEventBelongs(box, event(QEvent::KeyPress, true)));
        QVERIFY(keyEventBelongs(box, event(QEvent::KeyRelease, false)));
    }
};

VRH_QT_TEST(KeyboardTest)
#include "keyboard_test.moc"
