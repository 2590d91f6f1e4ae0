// The real keyboard: key events become the held/pressed answers the game polls.
#include <QtTest>
#include <QWidget>

#include <set>

#include "platform/qt/QtKeyboard.h"
#include "shell/KeyNames.h"

using namespace vrh;

namespace {
constexpr int kEnter = 13;

void send(QWidget& w, QEvent::Type type, bool autoRepeat = false) {
    QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(&w, &e);
}
void waitPastRepeatGap() { QTest::qWait(QtKeyboard::kRepeatGapMs * 3); }
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

    // Guards auto-repeat read as fresh presses or as releases.
    void aReleaseCountsOnlyWhenNoPressFollowsAtOnce() {
        QtKeyboard keyboard;
        QWidget w;
        send(w, QEvent::KeyPress);
        QVERIFY(keyboard.isDown(kEnter) && pressedSinceLastQuery(keyboard));
        send(w, QEvent::KeyRelease);
        QVERIFY2(keyboard.isDown(kEnter), "a release is held back for a moment");
        send(w, QEvent::KeyPress);  // the window system's repeat as a real pair
        waitPastRepeatGap();
        QVERIFY(keyboard.isDown(kEnter));
        QVERIFY2(!pressedSinceLastQuery(keyboard), "a repeat is not a new press");
        send(w, QEvent::KeyRelease);
        waitPastRepeatGap();
        QVERIFY(!keyboard.isDown(kEnter));
        send(w, QEvent::KeyPress, true);
        send(w, QEvent::KeyRelease, true);
        QVERIFY(!pressedSinceLastQuery(keyboard));
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
        send(w, QEvent::KeyRelease);
        waitPastRepeatGap();
        QVERIFY(!keyboard.isDown(kEnter));
        // A release waiting when the box closes is not applied twice or late.
        send(w, QEvent::KeyPress);
        send(w, QEvent::KeyRelease);
        QCoreApplication::sendEvent(&w, &unblocked);
        send(w, QEvent::KeyPress);
        QVERIFY(pressedSinceLastQuery(keyboard));
        waitPastRepeatGap();
        QVERIFY2(keyboard.isDown(kEnter), "the old release was cancelled");
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
