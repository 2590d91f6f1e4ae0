#pragma once
// Window timers. A Timer is its interval and whether it runs, plus the handler of its timer event. Who makes
// time pass is a driver: QtTimerBinding in the program, VirtualClock in tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vrh {

class Timer {
public:
    Timer(int intervalMs, bool enabled) : Interval(intervalMs), enabled_(enabled) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        if (onEnabledChanged) onEnabledChanged(on);
    }
    int Interval;
    std::function<void()> handler;               // the timer event
    std::function<void(bool)> onEnabledChanged;  // set by the driver

private:
    bool enabled_;
};

// Who makes a window's timers tick: registered timers fire their handler
// every Interval ms while Enabled.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    virtual void add(Timer& t) = 0;
    virtual void remove(Timer& t) = 0;
};

// Drives timers in tests: advance(ms) fires every due timer in time order,
// ties in the order the timers were added. A timer enabled during a handler
// first fires one interval later.
class VirtualClock : public TimerDriver {
public:
    void add(Timer& t) override;
    void remove(Timer& t) override;
    void advance(int64_t ms);
    int64_t now() const { return now_; }

private:
    struct Entry {
        Timer* timer;
        int64_t due;
    };
    std::vector<Entry> entries_;
    int64_t now_ = 0;
};

}  // namespace vrh
