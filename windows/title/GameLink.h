#pragma once
// The game window's model as the shell windows see it: they freeze and resume
// the game through its timers and pause label, and only while it is loaded.
#include "windows/play/GameWindowWidget.h"
#include "ui/Forms.h"

namespace vrh {

inline GameWindow* loadedGame(const Forms& forms) {
    auto* w = forms.findAs<GameWindowWidget>(FormId::game);
    return w ? &w->model() : nullptr;
}

}  // namespace vrh
