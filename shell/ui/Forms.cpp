#include "shell/ui/Forms.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include "platform/qt/DeferredDelete.h"

namespace vrh {

Form::Form(Forms& forms, FormId id) : QWidget(nullptr), forms_(forms), id_(id) {
    setAttribute(Qt::WA_DeleteOnClose, false);
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
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget()); b && b->isEnabled()) {
            b->animateClick();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

Forms::~Forms() { unloadAll(); }

Form* Forms::load(FormId id) {
    const size_t i = size_t(id);
    if (forms_[i]) return forms_[i];
    if (!factories_[i]) return nullptr;
    Form* f = factories_[i](*this);
    forms_[i] = f;
    f->Form_Load();
    return forms_[i];  // Form_Load may have unloaded it again
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
    f->Form_Unload();
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
