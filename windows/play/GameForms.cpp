#include "windows/play/FrmVarnholt.h"
#include "ui/Forms.h"
#include "windows/RegisterForms.h"

namespace vrh {
void registerGameForms(Forms& forms) {
    forms.setFactory(FormId::frmVarnholt, [](Forms& f) -> Form* { return new FrmVarnholt(f); });
}
}  // namespace vrh
