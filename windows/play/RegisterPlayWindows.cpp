#include "windows/play/GameWindowWidget.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"

namespace vrh {
void registerPlayWindows(Forms& forms) {
    forms.setFactory(FormId::game, [](Forms& f) -> Form* { return new GameWindowWidget(f); });
}
}  // namespace vrh
