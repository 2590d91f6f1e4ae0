#include "ui/QtGamepad.h"

#include <QGuiApplication>

#include "game/PadBinding.h"
#include "platform/SdlGamepad.h"

namespace vrh {

QtGamepad::QtGamepad(KeyboardTracker& keyboard, const ButtonMap& keys)
    : pad_(makeGamepad(keyboard, bindingFrom(keys))) {
    auto follow = [this](Qt::ApplicationState state) { pad_->setSuspended(state != Qt::ApplicationActive); };
    follow(QGuiApplication::applicationState());
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, follow);
    connect(&timer_, &QTimer::timeout, this, [this] {
        pad_->poll();
        const int interval = pad_->connected() > 0 ? kPollMs : kIdlePollMs;
        if (timer_.interval() != interval) timer_.setInterval(interval);
    });
    pad_->poll();
    timer_.start(pad_->connected() > 0 ? kPollMs : kIdlePollMs);
}

QtGamepad::~QtGamepad() = default;

}  // namespace vrh
