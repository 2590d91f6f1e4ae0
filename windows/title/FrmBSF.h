#pragma once
// The button configuration `frmBSF`: one box of key names per pad button.
// "Ok" takes the chosen keys into the button map, resumes the game and hides
// the window (it keeps its lists and texts for the next opening); the close
// box discards the choices.
#include <array>

#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vrh {

class FrmBSF : public Form {
    Q_OBJECT
public:
    explicit FrmBSF(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdSave_Click();

    QLabel* LabelInfo;
    QLabel *LabelA, *LabelB, *LabelC, *LabelX, *LabelY, *LabelZ;
    QLabel *LabelUp, *LabelD, *LabelL, *LabelR, *lblStart, *lblSelect;
    QComboBox *ComboA, *ComboB, *ComboC, *ComboX, *ComboY, *ComboZ;
    QComboBox *ComboU, *ComboD, *ComboL, *ComboR, *ComboStart, *ComboSel;
    QPushButton* cmdSave;

    // The boxes in button order: A, B, C, X, Y, Z, Up, Down, Left, Right, Start, Select.
    std::array<QComboBox*, 12> boxes() const;

protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace vrh
