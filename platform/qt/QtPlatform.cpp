#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vrh {

MsgButton QtMessageBoxes::question(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MsgButton::Yes : MsgButton::No;
}

MsgButton QtMessageBoxes::notice(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
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
    q->setInterval(t.Interval);
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

void QtTimerDriver::remove(Timer& t) {
    auto it = timers_.find(&t);
    if (it == timers_.end()) return;
    t.onEnabledChanged = nullptr;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

}  // namespace vrh
