#pragma once
// The options window `frmOptions`: the music track for the game (by title),
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

class FrmOptions : public Form {
    Q_OBJECT
public:
    explicit FrmOptions(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;

    void cmdOkay_Click();
    void cmdReset_Click();
    void chkSharpPixels_Click(bool checked);

    QLabel* Label1;
    QComboBox* cmbMusic;
    QPushButton* cmdOkay;
    QPushButton* cmdReset;
    QCheckBox* chkSharpPixels;

protected:
    // The window counts as open (optionsShowing) while it is shown.
    void showEvent(QShowEvent* e) override;
};

}  // namespace vrh
