#include "meta/ui/FrmHighScores.h"
#include "meta/ui/FrmLoad.h"
#include "meta/ui/FrmName.h"
#include "meta/ui/FrmUpgrades.h"
#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerMetaForms(Forms& forms) {
    forms.setFactory(FormId::frmUpgrades, [](Forms& f) -> Form* { return new FrmUpgrades(f); });
    forms.setFactory(FormId::frmHighScores, [](Forms& f) -> Form* { return new FrmHighScores(f); });
    forms.setFactory(FormId::frmName, [](Forms& f) -> Form* { return new FrmName(f); });
    forms.setFactory(FormId::frmLoad, [](Forms& f) -> Form* { return new FrmLoad(f); });
}
}  // namespace vrh
