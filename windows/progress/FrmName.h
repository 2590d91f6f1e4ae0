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

class FrmName : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 312, kClientH = 80;

    explicit FrmName(Forms& forms);

    void Form_Load() override;
    void tmrEnter_Timer();

    Timer tmrEnter{100, true};
    QLabel* lblquestion = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblhitstart = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void startRun(const std::string& name);

    // While the "That isn't a name!" box is up the prompt does not poll.
    bool inNotice_ = false;
};

}  // namespace vrh
