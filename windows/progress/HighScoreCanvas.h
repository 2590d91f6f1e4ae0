#pragma once
// Draws the high-score window: the three scrolling bands on a black canvas,
// then, when presented, the table's three columns over them (each row in the
// colour it was given) and "Okay". Kept apart from the window so the same
// drawing can be measured without one.
#include <QColor>
#include <QPainter>
#include <QRect>

#include <array>

#include "draw/Frame.h"
#include "ui/Renderer.h"
#include "ui/TextPrinter.h"
#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"

namespace vrh {

class HighScoreCanvas {
public:
    static constexpr int kClientW = 328, kClientH = 474;
    static constexpr QRect okayLabelRect() { return {144, 440, 41, 17}; }
    using RowColors = std::array<QColor, kHighScorePlaces>;

    HighScoreCanvas();
    // The bands as they stand after a tick.
    void drawBands(const HighScoreBands& bands);
    // The canvas shown in `client`, the table printed over it.
    void present(QPainter& p, QSize client, const HighScoreTable& table, const RowColors& rowColors);

    const Frame& frame() const { return frame_; }
    const Renderer& renderer() const { return renderer_; }

private:
    Frame frame_;
    Renderer renderer_;
    TextPrinter printer_;
};

}  // namespace vrh
