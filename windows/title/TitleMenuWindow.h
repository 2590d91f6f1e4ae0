#pragma once
// The title menu `titleMenu`: the animated scene with the four entries,
// driven by `animationTimer` (100 ms), and the title music loop `themeTimer`. The
// scene's rules live in TitleScene; this window wires timers, focus and
// painting to it and opens the other windows.
#include "windows/title/TitleCanvas.h"
#include "shell/TitleScene.h"
#include "ui/Forms.h"

namespace vrh {

class TitleMenuWindow : public Form, public TitleHost {
    Q_OBJECT
public:
    explicit TitleMenuWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;

    void onAnimationTick();
    void onThemeTick();

    TitleScene& scene() { return scene_; }
    const Renderer& renderer() const { return canvas_.renderer(); }
    // The menu entry that starts a new game (the name prompt clears its highlight).
    MenuLabel& newGameEntry() { return scene_.newGameEntry; }

    // TitleHost
    void showNamePrompt() override;
    void showLoadWindow() override;
    void showHighScores() override;
    void unloadTitle() override;
    void toggleWindowState() override;

    Timer animationTimer{100, true};
    Timer themeTimer{1, true};  // keeps the title theme going round

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void draw();

    TitleScene scene_;
    TitleCanvas canvas_;
};

}  // namespace vrh
