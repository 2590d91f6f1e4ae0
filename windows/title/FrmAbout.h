#pragma once
// The credits window `frmAbout`: who made the game, its pictures, music and
// sounds. The clickable label "Okay" (`lblokayy`) closes it and lets the
// game go on; the close box only closes it.
#include <vector>

#include "ui/Forms.h"

class QLabel;

namespace vrh {

class FrmAbout : public Form {
    Q_OBJECT
public:
    explicit FrmAbout(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;
    void lblokayy_Click();

    // The role headings, in order.
    std::vector<QLabel*> headings;
    // Every credit line of the "Music:" section.
    std::vector<QLabel*> musicLines;
    QLabel* lblokayy;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vrh
