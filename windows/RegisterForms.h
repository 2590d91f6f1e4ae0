#pragma once
// Tells Forms how to create each window. One function per subsystem.
namespace vrh {
class Forms;
void registerGameForms(Forms& forms);   // combat/ui: frmVarnholt
void registerMetaForms(Forms& forms);   // meta/ui: frmUpgrades, frmHighScores, frmName, frmLoad
void registerShellForms(Forms& forms);  // shell/ui: startup, frmMainForm, frmOptions, frmBSF, frmAbout
inline void registerForms(Forms& forms) {
    registerGameForms(forms);
    registerMetaForms(forms);
    registerShellForms(forms);
}
}  // namespace vrh
