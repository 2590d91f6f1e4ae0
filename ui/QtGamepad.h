#pragma once
// The game controllers in the running program: polled every few milliseconds
// from the event loop while one is connected (four times a second while none
// is, which is soon enough to notice one being plugged in and keeps an idle
// program from waking a hundred times a second), and holding nothing while
// the program is not in front (so a controller used in another program does
// not steer the bee).
#include <QObject>
#include <QTimer>

#include <memory>

#include "game/PadBinding.h"

namespace vrh {

class QtGamepad : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 10;
    static constexpr int kIdlePollMs = 250;  // no controller connected
    // `keyboard` and `keys` must outlive this object.
    QtGamepad(KeyboardTracker& keyboard, const ButtonMap& keys);
    ~QtGamepad() override;
    int pollInterval() const { return timer_.interval(); }

private:
    std::unique_ptr<Gamepad> pad_;
    QTimer timer_;
};

}  // namespace vrh
