#include "ui/QtPlatform.h"

#include "ui/QtKeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "ui/DeferredDelete.h"

namespace vrh {
namespace {

// A box takes only presses that begin while it is open: a key held down when
// it opens (the fire key when the game ends, the Enter that asked the
// question) acts there only after it has been released and pressed again.
class IgnoreHeldKeys : public QObject {
public:
    explicit IgnoreHeldKeys(KeyboardTracker& keyboard) : reader_(keyboard) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return QObject::eventFilter(watched, e);
        auto* k = static_cast<QKeyEvent*>(e);
        if (!keyEventBelongs(reader_, *k)) return true;
        return QObject::eventFilter(watched, e);
    }

private:
    KeyReader reader_;  // owns the presses made since the box opened
};

int runBox(QMessageBox& box, KeyboardTracker& keyboard) {
    IgnoreHeldKeys filter(keyboard);
    for (QWidget* w : box.findChildren<QWidget*>()) w->installEventFilter(&filter);
    box.installEventFilter(&filter);
    return box.exec();
}

}  // namespace

MsgButton QtMessageBoxes::question(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return runBox(box, keyboard_) == QMessageBox::Yes ? MsgButton::Yes : MsgButton::No;
}

MsgButton QtMessageBoxes::notice(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    runBox(box, keyboard_);
    return MsgButton::Ok;
}

WindowHandle QtForeground::foregroundWindow() const {
    return static_cast<const QWidget*>(QApplication::activeWindow());
}

QtTimerDriver::~QtTimerDriver() {
    for (auto& [t, q] : timers_) {
        t->onEnabledChanged = nullptr;
        delete q;
    }
}

void QtTimerDriver::add(Timer& t) {
    remove(t);
    auto* q = new QTimer;
    q->setInterval(std::max(t.Interval, kShortestIntervalMs));
    q->setTimerType(Qt::PreciseTimer);
    Timer* p = &t;
    QObject::connect(q, &QTimer::timeout, [p] {
        if (p->Enabled() && p->handler) p->handler();
    });
    t.onEnabledChanged = [q](bool on) {
        if (on)
            q->start();
        else
            q->stop();
    };
    timers_[p] = q;
    if (t.Enabled()) q->start();
}

int QtTimerDriver::runningInterval(const Timer& t) const {
    const auto it = timers_.find(const_cast<Timer*>(&t));
    return it == timers_.end() ? 0 : it->second->interval();
}

void QtTimerDriver::remove(Timer& t) {
    auto it = timers_.find(&t);
    if (it == timers_.end()) return;
    t.onEnabledChanged = nullptr;
    it->second->stop();
    deleteWhenHandlersReturned(it->second);  // its timeout handler may be running
    timers_.erase(it);
}

}  // namespace vrh
