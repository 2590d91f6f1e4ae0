#pragma once
// The credits window `credits`: who made the game, its pictures, music and
// sounds. The clickable label "Okay" (`okayLabel`) closes it and lets the
// game go on; the close box only closes it.
#include <vector>

#include "ui/Forms.h"

class QLabel;

namespace vrh {

class CreditsWindow : public Form {
    Q_OBJECT
public:
    explicit CreditsWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;
    void onOkayClicked();

    // The role headings, in order.
    std::vector<QLabel*> headings;
    // Every credit line of the "Music:" section.
    std::vector<QLabel*> musicLines;
    QLabel* okayLabel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vrh
