#include "shell/ui/FrmAbout.h"
#include "shell/ui/FrmBSF.h"
#include "shell/ui/FrmMainForm.h"
#include "shell/ui/FrmOptions.h"
#include "shell/ui/FrmStartup.h"
#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerShellForms(Forms& forms) {
    forms.setFactory(FormId::startup, [](Forms& f) -> Form* { return new FrmStartup(f); });
    forms.setFactory(FormId::frmMainForm, [](Forms& f) -> Form* { return new FrmMainForm(f); });
    forms.setFactory(FormId::frmOptions, [](Forms& f) -> Form* { return new FrmOptions(f); });
    forms.setFactory(FormId::frmBSF, [](Forms& f) -> Form* { return new FrmBSF(f); });
    forms.setFactory(FormId::frmAbout, [](Forms& f) -> Form* { return new FrmAbout(f); });
}
}  // namespace vrh
