#pragma once
// The high-score window. Opening it offers the current run to the table in
// "vrhhs.txt", rewrites the file and plays the jingle; then it shows the ten
// places over three scrolling bands, the row of the current score pulsing in
// shades of blue. "Okay" leads back to the title menu.
#include <QColor>

#include <array>

#include "combat/Frame.h"
#include "combat/ui/Renderer.h"
#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"
#include "shell/ui/Forms.h"

namespace vrh {

class FrmHighScores : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 328, kClientH = 474;
    static constexpr QRect lblOkayRect() { return {144, 440, 41, 17}; }

    explicit FrmHighScores(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;
    void Timer1_Timer();
    void lblOkay_Click();

    Timer Timer1{100, true};

    const HighScoreTable& table() const { return table_; }
    int flashStep() const { return flashStep_; }
    const HighScoreBands& bands() const { return bands_; }
    // The colour each row was printed in by the last tick.
    const std::array<QColor, kHighScorePlaces>& rowColors() const { return rowColors_; }
    const Frame& frame() const { return frame_; }
    const Renderer& renderer() const { return renderer_; }

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
    std::array<QColor, kHighScorePlaces> rowColors_{};
    Frame frame_;
    Renderer renderer_;
};

}  // namespace vrh
