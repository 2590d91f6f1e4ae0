#pragma once
// The high-score window. Opening it offers the current run to the table in
// "vrhhs.txt", rewrites the file and plays the jingle; then it shows the ten
// places over three scrolling bands, the row of the current score pulsing in
// shades of blue. "Okay" leads back to the title menu.
#include <QColor>

#include <array>

#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"
#include "windows/progress/HighScoreCanvas.h"
#include "ui/Forms.h"

namespace vrh {

class HighScoresWindow : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = HighScoreCanvas::kClientW, kClientH = HighScoreCanvas::kClientH;
    static constexpr QRect okayLabelRect() { return HighScoreCanvas::okayLabelRect(); }

    explicit HighScoresWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;
    void onFlashTick();
    void onOkayClicked();

    Timer flashTimer{100, true};

    const HighScoreTable& table() const { return table_; }
    int flashStep() const { return flashStep_; }
    const HighScoreBands& bands() const { return bands_; }
    // The colour each row was printed in by the last tick.
    const std::array<QColor, kHighScorePlaces>& rowColors() const { return rowColors_; }
    const Frame& frame() const { return canvas_.frame(); }
    const Renderer& renderer() const { return canvas_.renderer(); }

    // The six shades the pulsing row runs through.
    static const std::array<QColor, 6>& flashColors();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void enterCurrentRun();

    HighScoreTable table_;
    HighScoreBands bands_;
    int flashStep_ = 0;
    HighScoreCanvas::RowColors rowColors_{};
    HighScoreCanvas canvas_;
};

}  // namespace vrh
