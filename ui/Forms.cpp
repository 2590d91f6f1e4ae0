#include "ui/Forms.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/DeferredDelete.h"
#include "ui/QtKeyboard.h"

namespace vrh {

bool keyEventBelongsElsewhere(QObject* target, const QKeyEvent& e) {
    auto* w = qobject_cast<QWidget*>(target);
    auto* form = w ? qobject_cast<Form*>(w->window()) : nullptr;
    return form && !keyEventBelongs(form->keys(), e);
}

Form::Form(Forms& forms, FormId id)
    : QWidget(nullptr), forms_(forms), id_(id),
      keys_(forms.app.keyboard, [this] { return forms_.app.fg.foregroundWindow() == handle(); }) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) keys_.takeOver();
    return QWidget::event(e);
}

Form::~Form() { unbindTimers(); }

App& Form::app() const { return forms_.app; }

void Form::bindTimer(Timer& t, std::function<void()> handler) {
    t.handler = std::move(handler);
    forms_.timers.add(t);
    timers_.push_back(&t);
}

void Form::unbindTimers() {
    for (Timer* t : timers_) forms_.timers.remove(*t);
    timers_.clear();
}

void Form::closeEvent(QCloseEvent* e) {
    e->ignore();  // the window is destroyed by unload, not by Qt
    forms_.unload(id_);
}

void Form::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        auto* b = qobject_cast<QAbstractButton*>(focusWidget());
        if (!b) b = defaultButton_;
        if (b && b->isEnabled() && b->isVisible()) {
            b->animateClick();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

Forms::Forms(App& appState, TimerDriver& timerDriver) : app(appState), timers(timerDriver) {}

Forms::~Forms() { unloadAll(); }

Form* Forms::load(FormId id) {
    const size_t i = size_t(id);
    if (forms_[i]) return forms_[i];
    if (!factories_[i]) return nullptr;
    Form* f = factories_[i](*this);
    forms_[i] = f;
    f->onLoad();
    return forms_[i];  // onLoad may have unloaded it again
}

void Forms::show(FormId id) {
    if (Form* f = load(id)) {
        f->show();
        f->raise();
        f->activateWindow();
    }
}

void Forms::hide(FormId id) {
    if (Form* f = find(id)) f->hide();
}

void Forms::unload(FormId id) {
    const size_t i = size_t(id);
    Form* f = forms_[i];
    if (!f || unloading_[i]) return;
    unloading_[i] = true;
    f->onUnload();
    f->unbindTimers();
    f->hide();
    forms_[i] = nullptr;
    unloading_[i] = false;
    deleteWhenHandlersReturned(f);
}

void Forms::unloadAll() {
    for (size_t i = 0; i < forms_.size(); ++i) unload(FormId(i));
}

}  // namespace vrh
