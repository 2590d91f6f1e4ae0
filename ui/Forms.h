#pragma once
// The program's windows ("forms"). Every window is created on first use
// (which runs its onLoad), can be shown and hidden, and lives until it is
// unloaded (onUnload, then it is gone). Forms hands them out by id, so a
// window can show, hide or unload any other one.
#include <QWidget>

class QAbstractButton;
class QKeyEvent;

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Foreground.h"
#include "platform/Timer.h"
#include "shell/App.h"

namespace vrh {

enum class FormId {
    startup,
    titleMenu,
    game,
    upgradeShop,
    highScores,
    namePrompt,
    saveSlots,
    options,
    keyConfig,
    credits,
    Count
};

class Forms;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(Forms& forms, FormId id);
    ~Form() override;

    FormId id() const { return id_; }
    App& app() const;
    Forms& forms() const { return forms_; }
    WindowHandle handle() const { return static_cast<const QWidget*>(this); }
    // This window's own view of the keyboard: only presses made while it is
    // in front, and only those that began after it opened or last came to
    // the front (see KeyReader).
    KeyReader& keys() { return keys_; }

    virtual void onLoad() {}
    virtual void onUnload() {}

protected:
    // A timer of this window: driven while the window is loaded.
    void bindTimer(Timer& t, std::function<void()> handler);
    // The close box unloads the window.
    void closeEvent(QCloseEvent* e) override;
    // Return or Enter presses the focused button, or else the default
    // button when the window has one, as in a dialog.
    void keyPressEvent(QKeyEvent* e) override;
    void setDefaultButton(QAbstractButton* b) { defaultButton_ = b; }
    // Coming to the front: keys held from elsewhere are not this window's.
    bool event(QEvent* e) override;

private:
    friend class Forms;
    void unbindTimers();
    Forms& forms_;
    FormId id_;
    std::vector<Timer*> timers_;
    KeyReader keys_;
    QAbstractButton* defaultButton_ = nullptr;
};

// True for a key event that a window of the program must not get: the
// repeats or the release of a key held when the window opened or came to
// the front. Such a key acts in the window after it is pressed again. The
// keyboard calls it for every event it has counted (QtKeyboard::dropKeyEvent).
bool keyEventBelongsElsewhere(QObject* target, const QKeyEvent& e);

class Forms {
public:
    using Factory = std::function<Form*(Forms&)>;

    Forms(App& appState, TimerDriver& timerDriver);
    ~Forms();

    void setFactory(FormId id, Factory f) { factories_[size_t(id)] = std::move(f); }

    // The window, created (and its onLoad run) when it is not loaded.
    Form* load(FormId id);
    template <class T>
    T* get(FormId id) {
        return static_cast<T*>(load(id));
    }
    // The window if loaded, else nullptr.
    Form* find(FormId id) const { return forms_[size_t(id)]; }
    template <class T>
    T* findAs(FormId id) const {
        return static_cast<T*>(find(id));
    }
    bool loaded(FormId id) const { return find(id) != nullptr; }

    void show(FormId id);
    void hide(FormId id);
    // Runs onUnload, stops the window's timers and destroys it once every
    // handler running now has returned (a window may unload itself, or be
    // unloaded from inside a message box its own handler opened).
    void unload(FormId id);
    void unloadAll();

    App& app;
    TimerDriver& timers;

private:
    std::array<Form*, size_t(FormId::Count)> forms_{};
    std::array<Factory, size_t(FormId::Count)> factories_{};
    std::array<bool, size_t(FormId::Count)> unloading_{};
};

}  // namespace vrh
