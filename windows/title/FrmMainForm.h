#pragma once
// The title menu `frmMainForm`: the animated scene with the four entries,
// driven by `tmrMove` (100 ms), and the title music loop `tmrsound`. The
// scene's rules live in TitleScene; this window wires timers, focus and
// painting to it and opens the other windows.
#include "windows/title/TitleCanvas.h"
#include "shell/TitleScene.h"
#include "ui/Forms.h"

namespace vrh {

class FrmMainForm : public Form, public TitleHost {
    Q_OBJECT
public:
    explicit FrmMainForm(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;

    void tmrMove_Timer();
    void tmrsound_Timer();

    TitleScene& scene() { return scene_; }
    const Renderer& renderer() const { return canvas_.renderer(); }
    // The menu entry that starts a new game (the name prompt clears its highlight).
    MenuLabel& lblStart() { return scene_.lblStart; }

    // TitleHost
    void showNamePrompt() override;
    void showLoadWindow() override;
    void showHighScores() override;
    void unloadTitle() override;
    void toggleWindowState() override;

    Timer tmrMove{100, true};
    Timer tmrsound{1, true};  // keeps the title theme going round

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void draw();

    TitleScene scene_;
    TitleCanvas canvas_;
};

}  // namespace vrh
