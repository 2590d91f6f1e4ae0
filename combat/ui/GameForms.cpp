#include "combat/ui/FrmVarnholt.h"
#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerGameForms(Forms& forms) {
    forms.setFactory(FormId::frmVarnholt, [](Forms& f) -> Form* { return new FrmVarnholt(f); });
}
}  // namespace vrh
