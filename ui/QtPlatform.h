#pragma once
// Qt stand-ins of the platform services: message boxes, the foreground
// window and the timer driver.
#include <QObject>

#include <map>

#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"

class QTimer;

namespace vrh {

class QtMessageBoxes : public MessageBoxes {
public:
    // Keys held when a box opens do not answer it (see IgnoreHeldKeys).
    explicit QtMessageBoxes(KeyboardTracker& keyboard) : keyboard_(keyboard) {}
    // Yes/No with the question icon and No as the default button.
    MsgButton question(const std::string& text, const std::string& title) override;
    // OK only.
    MsgButton notice(const std::string& text, const std::string& title = kAppTitle) override;

private:
    KeyboardTracker& keyboard_;
};

class QtForeground : public Foreground {
public:
    // The active top-level window of this program, or nullptr when another
    // application is in front.
    WindowHandle foregroundWindow() const override;
};

// Runs the timers on Qt's event loop. Like the system timers the game was
// made for, a timer never fires more often than every kShortestIntervalMs:
// the 1 ms timers (the title theme's watcher, the slot picker's, the level
// change's) wanted "as often as possible", and a thousand wake-ups a second
// would cost an idle title menu several per cent of a core for nothing.
class QtTimerDriver : public TimerDriver {
public:
    static constexpr int kShortestIntervalMs = 15;

    ~QtTimerDriver() override;
    void add(Timer& t) override;
    void remove(Timer& t) override;
    // The interval `t` really runs at; 0 when it was not added.
    int runningInterval(const Timer& t) const;

private:
    std::map<Timer*, QTimer*> timers_;
};

}  // namespace vrh
