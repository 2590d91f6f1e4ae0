#pragma once
// The real keyboard: key events of every window of the program, translated to
// Windows virtual-key codes, feed one KeyboardTracker. A key is down exactly
// while it is held: presses and releases apply at once, and the auto-repeat
// events of a held key (marked so by the window system) change nothing.
//
// While a message box is open, Qt drops the key events meant for the windows
// it blocks, so the release of a key pressed just before the box opened (the
// Enter that asked the question) never arrives. When the box closes, every
// key therefore counts as up; a key that is really still held is found again
// by its next auto-repeat, which sets it down without counting a new press.
#include <QObject>

#include <functional>

#include "platform/KeyState.h"

class QKeyEvent;

namespace vrh {

// Virtual-key code of a key event, 0 when the key has none we use.
int virtualKeyOf(int qtKey, bool keypad);

// Whether a key event is the auto-repeat of a held key. X11 reports a repeat
// as a release and a press with the same timestamp, and Qt marks the pair as
// a repeat only when both have already arrived; a press with the timestamp of
// the same key's last release is therefore a repeat too. (The release of such
// a pair still reads as a release: the key is up only until its press.)
bool isKeyRepeat(const QKeyEvent& e);

// Whether a key event belongs to the window that reads keys through `reader`:
// a new press always does; the repeats and the release of a press only when
// that press began after the reader took over. Keys without a code are
// judged by the repeat flag alone. Gives the same answer whether or not the
// keyboard tracker has seen the event yet.
bool keyEventBelongs(const KeyReader& reader, const QKeyEvent& e);

class QtKeyboard : public QObject, public KeyboardTracker {
    Q_OBJECT
public:
    QtKeyboard();  // installs itself as the application's event filter

    // Asked after each key event has been counted: true stops the event
    // before it reaches its widget. The keyboard itself always sees every
    // event, so a key dropped for a window still goes up when released.
    std::function<bool(QObject* target, const QKeyEvent& e)> dropKeyEvent;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void count(const QKeyEvent& k);  // into the tracker
};

}  // namespace vrh
