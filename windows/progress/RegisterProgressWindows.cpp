#include "windows/progress/HighScoresWindow.h"
#include "windows/progress/SaveSlotsWindow.h"
#include "windows/progress/NamePromptWindow.h"
#include "windows/progress/UpgradeShopWindow.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"

namespace vrh {
void registerProgressWindows(Forms& forms) {
    forms.setFactory(FormId::upgradeShop, [](Forms& f) -> Form* { return new UpgradeShopWindow(f); });
    forms.setFactory(FormId::highScores, [](Forms& f) -> Form* { return new HighScoresWindow(f); });
    forms.setFactory(FormId::namePrompt, [](Forms& f) -> Form* { return new NamePromptWindow(f); });
    forms.setFactory(FormId::saveSlots, [](Forms& f) -> Form* { return new SaveSlotsWindow(f); });
}
}  // namespace vrh
