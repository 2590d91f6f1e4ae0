#pragma once
// Qt stand-ins of the platform services: message boxes, the foreground
// window and the timer driver.
#include <QObject>

#include <map>

#include "platform/Foreground.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"

class QTimer;

namespace vrh {

class QtMessageBoxes : public MessageBoxes {
public:
    // Yes/No with the question icon and No as the default button.
    MsgButton question(const std::string& text, const std::string& title) override;
    // OK only.
    MsgButton notice(const std::string& text, const std::string& title = kAppTitle) override;
};

class QtForeground : public Foreground {
public:
    // The active top-level window of this program, or nullptr when another
    // application is in front.
    WindowHandle foregroundWindow() const override;
};

class QtTimerDriver : public TimerDriver {
public:
    ~QtTimerDriver() override;
    void add(Timer& t) override;
    void remove(Timer& t) override;

private:
    std::map<Timer*, QTimer*> timers_;
};

}  // namespace vrh
