#include "platform/Timer.h"

#include <algorithm>
#include <cstdlib>

namespace vrh {

void VirtualClock::add(Timer& t) {
    entries_.push_back({&t, now_ + std::max(1, t.Interval)});
    Timer* p = &t;
    t.onEnabledChanged = [this, p](bool on) {
        if (!on) return;
        for (auto& e : entries_)
            if (e.timer == p) e.due = now_ + std::max(1, p->Interval);
    };
}

void VirtualClock::remove(Timer& t) {
    t.onEnabledChanged = nullptr;
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &t; });
}

void VirtualClock::advance(int64_t ms) {
    const int64_t end = now_ + ms;
    for (;;) {
        Entry* next = nullptr;
        for (auto& e : entries_)
            if (e.timer->Enabled() && e.due <= end && (!next || e.due < next->due)) next = &e;
        if (!next) break;
        now_ = next->due;
        next->due = now_ + std::max(1, next->timer->Interval);
        Timer* t = next->timer;  // the handler may add or remove timers
        if (t->handler) t->handler();
    }
    now_ = end;
}

}  // namespace vrh
