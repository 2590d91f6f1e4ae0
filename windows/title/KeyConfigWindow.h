#pragma once
// The button configuration `keyConfig`: one box of key names per pad button.
// "Ok" takes the chosen keys into the button map, resumes the game and hides
// the window (it keeps its lists and texts for the next opening); the close
// box discards the choices.
#include <array>

#include "ui/Forms.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vrh {

class KeyConfigWindow : public Form {
    Q_OBJECT
public:
    explicit KeyConfigWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;
    void onSaveClicked();

    QLabel* infoLabel;
    QLabel *aKeyLabel, *bKeyLabel, *cKeyLabel, *xKeyLabel, *yKeyLabel, *zKeyLabel;
    QLabel *upKeyLabel, *downKeyLabel, *leftKeyLabel, *rightKeyLabel, *startKeyLabel, *selectKeyLabel;
    QComboBox *aKeyBox, *bKeyBox, *cKeyBox, *xKeyBox, *yKeyBox, *zKeyBox;
    QComboBox *upKeyBox, *downKeyBox, *leftKeyBox, *rightKeyBox, *startKeyBox, *selectKeyBox;
    QPushButton* saveButton;

    // The boxes in button order: A, B, C, X, Y, Z, Up, Down, Left, Right, Start, Select.
    std::array<QComboBox*, 12> boxes() const;

protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace vrh
