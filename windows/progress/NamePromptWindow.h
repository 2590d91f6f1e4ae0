#pragma once
// The name prompt before a new run. The name is confirmed with the pad's
// Start button (polled every 100 ms), not with a button of the window.
//
// Closing the prompt with its close box goes back to the title menu (shown
// again if it is no longer there) and clears nameShowing.
#include "ui/Forms.h"

class QLabel;
class QLineEdit;

namespace vrh {

class NamePromptWindow : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 312, kClientH = 80;

    explicit NamePromptWindow(Forms& forms);

    void onLoad() override;
    void onStartKeyTick();

    Timer startKeyTimer{100, true};
    QLabel* questionLabel = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLabel* hitStartLabel = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void startRun(const std::string& name);

    // While the "That isn't a name!" box is up the prompt does not poll.
    bool inNotice_ = false;
};

}  // namespace vrh
