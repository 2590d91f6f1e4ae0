#pragma once
// The game window: shows the composed frames stretched over its client area,
// the HUD in its caption, the pause labels, and its menu bar. The rules of the
// run live in the GameWindow model; this window wires timers, keys, focus,
// painting and the menus to it.
#include <memory>

#include "ui/Renderer.h"
#include "game/GameWindow.h"
#include "ui/Forms.h"

class QLabel;
class QMenu;
class QMenuBar;

namespace vrh {

class GameWindowWidget : public Form, public GameHost {
    Q_OBJECT
public:
    explicit GameWindowWidget(Forms& forms);
    ~GameWindowWidget() override;

    GameWindow& model() { return *model_; }
    const Renderer& renderer() const { return renderer_; }

    void onLoad() override;
    void onUnload() override;

    // GameHost
    void showHighScores() override;
    void unloadGameWindow() override;
    void openShop(const std::string& caption) override;
    void present(const Frame& frame) override;
    void captionChanged(const std::string& caption) override;
    void showMainMenu() override;
    void pauseScreenChanged() override;

    // Menu entries.
    void onSaveChosen();
    void onLoadChosen();
    void onExitChosen();
    void onFullScreenChosen();
    void onKeyConfigChosen();
    void onOptionsChosen();
    void onAboutChosen();

protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    std::unique_ptr<GameWindow> model_;
    Renderer renderer_;
    bool labelsAtLastPresent_ = false;  // the pause labels were drawn at the last frame
    QMenuBar* menuBar_ = nullptr;
    QWidget* canvas_ = nullptr;     // the client area the frames are shown in
    QLabel* statusLine_ = nullptr;  // the caption's status, under the field
};

}  // namespace vrh
