#include "windows/progress/FrmHighScores.h"
#include "windows/progress/FrmLoad.h"
#include "windows/progress/FrmName.h"
#include "windows/progress/FrmUpgrades.h"
#include "ui/Forms.h"
#include "windows/RegisterForms.h"

namespace vrh {
void registerMetaForms(Forms& forms) {
    forms.setFactory(FormId::frmUpgrades, [](Forms& f) -> Form* { return new FrmUpgrades(f); });
    forms.setFactory(FormId::frmHighScores, [](Forms& f) -> Form* { return new FrmHighScores(f); });
    forms.setFactory(FormId::frmName, [](Forms& f) -> Form* { return new FrmName(f); });
    forms.setFactory(FormId::frmLoad, [](Forms& f) -> Form* { return new FrmLoad(f); });
}
}  // namespace vrh
