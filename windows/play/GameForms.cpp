#include "windows/play/GameWindowWidget.h"
#include "ui/Forms.h"
#include "windows/RegisterForms.h"

namespace vrh {
void registerGameForms(Forms& forms) {
    forms.setFactory(FormId::game, [](Forms& f) -> Form* { return new GameWindowWidget(f); });
}
}  // namespace vrh
