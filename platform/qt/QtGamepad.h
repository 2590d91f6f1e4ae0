#pragma once
// The game controllers in the running program: polled every few milliseconds
// from the event loop, and holding nothing while the program is not in front
// (so a controller used in another program does not steer the bee).
#include <QObject>
#include <QTimer>

#include <memory>

#include "platform/Gamepad.h"

namespace vrh {

class QtGamepad : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 10;
    // `keyboard` and `keys` must outlive this object.
    QtGamepad(KeyboardTracker& keyboard, const ButtonMap& keys);
    ~QtGamepad() override;

private:
    std::unique_ptr<Gamepad> pad_;
    QTimer timer_;
};

}  // namespace vrh
