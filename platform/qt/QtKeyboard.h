#pragma once
// The real keyboard: key events of every window of the program, translated to
// Windows virtual-key codes, feed one KeyboardTracker. Auto-repeat is ignored
// (X11 sends release/press pairs while a key repeats), so a held key stays held.
#include <QObject>

#include "platform/KeyState.h"

class QKeyEvent;

namespace vrh {

// Virtual-key code of a key event, 0 when the key has none we use.
int virtualKeyOf(int qtKey, bool keypad);

class QtKeyboard : public QObject, public KeyboardTracker {
    Q_OBJECT
public:
    QtKeyboard();  // installs itself as the application's event filter

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vrh
