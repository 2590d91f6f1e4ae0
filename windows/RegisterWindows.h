#pragma once
// Tells the window registry (ui/Forms.h) how to create each window: one
// function per part of windows/, defined there.
namespace vrh {
class Forms;
void registerPlayWindows(Forms& forms);  // windows/play: game
void registerProgressWindows(
    Forms& forms);                        // windows/progress: upgradeShop, highScores, namePrompt, saveSlots
void registerTitleWindows(Forms& forms);  // windows/title: startup, titleMenu, options, keyConfig, credits
inline void registerForms(Forms& forms) {
    registerPlayWindows(forms);
    registerProgressWindows(forms);
    registerTitleWindows(forms);
}
}  // namespace vrh
