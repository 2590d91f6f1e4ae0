#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QHash>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/DeferredDelete.h"

namespace vrh {
namespace {

// A key held down when a box opens (the fire key when the game ends) must not
// answer it: only a fresh press chooses a button. The window system does not
// always mark the repeats of a held key as repeats (a release and a press
// with the same time can come through as a real pair), so a key whose first
// event in the box is a release or a repeat stays ignored until it has been
// up for a moment.
class IgnoreHeldKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return QObject::eventFilter(watched, e);
        auto* k = static_cast<QKeyEvent*>(e);
        Key& key = keys_[k->key()];
        const bool press = e->type() == QEvent::KeyPress;
        if (!key.seen) {
            key.seen = true;
            key.held = !press || k->isAutoRepeat();
        }
        if (!press) {
            key.releasedAt = k->timestamp();
            key.released = true;
            if (key.held || !key.down) return true;
            key.down = false;
            return QObject::eventFilter(watched, e);
        }
        if (key.held) {
            if (!key.released || k->timestamp() - key.releasedAt < kRepeatGapMs) return true;
            key.held = false;  // up for a moment: this one is a real press
        }
        if (k->isAutoRepeat()) return true;
        key.down = true;
        return QObject::eventFilter(watched, e);
    }

private:
    static constexpr quint64 kRepeatGapMs = 80;
    struct Key {
        bool seen = false, held = false, down = false, released = false;
        quint64 releasedAt = 0;
    };
    QHash<int, Key> keys_;
};

int runBox(QMessageBox& box) {
    IgnoreHeldKeys filter;
    for (QWidget* w : box.findChildren<QWidget*>()) w->installEventFilter(&filter);
    box.installEventFilter(&filter);
    return box.exec();
}

}  // namespace

MsgButton QtMessageBoxes::question(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return runBox(box) == QMessageBox::Yes ? MsgButton::Yes : MsgButton::No;
}

MsgButton QtMessageBoxes::notice(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    runBox(box);
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
        if (on) q->start();
        else q->stop();
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
