#include "windows/title/FrmAbout.h"
#include "windows/title/FrmBSF.h"
#include "windows/title/FrmMainForm.h"
#include "windows/title/FrmOptions.h"
#include "windows/title/FrmStartup.h"
#include "ui/Forms.h"
#include "windows/RegisterForms.h"

namespace vrh {
void registerShellForms(Forms& forms) {
    forms.setFactory(FormId::startup, [](Forms& f) -> Form* { return new FrmStartup(f); });
    forms.setFactory(FormId::frmMainForm, [](Forms& f) -> Form* { return new FrmMainForm(f); });
    forms.setFactory(FormId::frmOptions, [](Forms& f) -> Form* { return new FrmOptions(f); });
    forms.setFactory(FormId::frmBSF, [](Forms& f) -> Form* { return new FrmBSF(f); });
    forms.setFactory(FormId::frmAbout, [](Forms& f) -> Form* { return new FrmAbout(f); });
}
}  // namespace vrh
