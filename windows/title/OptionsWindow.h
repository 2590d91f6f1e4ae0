#pragma once
// The options window `options`: the music track for the game (by title),
// the reset of the high-score table and the whole-number scaling of the game
// window (kept in settings.ini, saved as soon as the box is toggled). The chosen title is kept in
// Globals::musicChoice, which the game's music step reads, so the window only
// exists while the player has it open or hidden after "Okay".
#include "ui/Forms.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vrh {

class OptionsWindow : public Form {
    Q_OBJECT
public:
    explicit OptionsWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;

    void onOkayClicked();
    void onResetClicked();
    void onSharpPixelsToggled(bool checked);

    QLabel* Label1;
    QComboBox* musicChoice;
    QPushButton* okayButton;
    QPushButton* resetButton;
    QCheckBox* sharpPixelsBox;

protected:
    // The window counts as open (optionsShowing) while it is shown.
    void showEvent(QShowEvent* e) override;
};

}  // namespace vrh
