#pragma once
// Tells Forms how to create each window. One function per subsystem.
namespace vrh {
class Forms;
void registerGameForms(Forms& forms);   // combat/ui: game
void registerMetaForms(Forms& forms);   // meta/ui: upgradeShop, highScores, namePrompt, saveSlots
void registerShellForms(Forms& forms);  // shell/ui: startup, titleMenu, options, keyConfig, credits
inline void registerForms(Forms& forms) {
    registerGameForms(forms);
    registerMetaForms(forms);
    registerShellForms(forms);
}
}  // namespace vrh
