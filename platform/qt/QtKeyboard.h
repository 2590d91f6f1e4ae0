#pragma once
// The real keyboard: key events of every window of the program, translated to
// Windows virtual-key codes, feed one KeyboardTracker. Auto-repeat is ignored
// (X11 sends release/press pairs while a key repeats), so a held key stays held.
//
// While a message box is open, Qt drops the key events meant for the windows
// it blocks, so the release of a key pressed just before the box opened (the
// Enter that asked the question) never arrives. When the box closes, every
// key therefore counts as up; a key that is really still held is found again
// by its next auto-repeat, which sets it down without counting a new press.
#include <QObject>

#include <array>

#include "platform/KeyState.h"

class QKeyEvent;

namespace vrh {

// Virtual-key code of a key event, 0 when the key has none we use.
int virtualKeyOf(int qtKey, bool keypad);

class QtKeyboard : public QObject, public KeyboardTracker {
    Q_OBJECT
public:
    QtKeyboard();  // installs itself as the application's event filter

    // A release is applied only when no press of the same key follows within
    // this time: the window system does not mark every repeat of a held key as
    // a repeat (a release and a press can come through as a real pair), and a
    // held fire key must not read as up for an instant.
    static constexpr int kRepeatGapMs = 40;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyRelease(int vk, quint64 generation);
    std::array<quint64, KeyboardTracker::kCodes> pendingRelease_{};  // 0: none
    quint64 generation_ = 0;
};

}  // namespace vrh
