#include "windows/progress/HighScoreCanvas.h"

#include "ui/Theme.h"

namespace vrh {

namespace {
constexpr int kNameX = 0, kScoreX = 120, kLevelX = 248, kTitleY = 8;
constexpr int kColumnW = 120, kRowH = 40;
const QColor kBlue(0, 0, 255);

int rowY(int i) { return kRowH * (i + 1); }
}  // namespace

// Black and blue on the dark comb: the rim keeps them readable.
HighScoreCanvas::HighScoreCanvas()
    : renderer_(QSize(kClientW, kClientH)),
      printer_(theme::font(theme::kFontPixels, true), TextPrinter::Rim::Contrasting) {}

void HighScoreCanvas::drawBands(const HighScoreBands& bands) {
    frame_.clear();
    for (const ScrollBand* b : {&bands.band1, &bands.band2, &bands.band3})
        for (int x : b->visibleTiles())
            frame_.copy(SpriteRef{Pic::imgBG2}, x, b->y(), HighScoreBands::kTileW, HighScoreBands::kTileH);
    renderer_.canvas().fill(Qt::black);
    renderer_.render(frame_);
}

void HighScoreCanvas::present(QPainter& p, QSize client, const HighScoreTable& table,
                              const RowColors& rowColors) {
    renderer_.present(p, QSize(kClientW, kClientH), client);
    auto print = [&](int x, int y, const QColor& c, const std::string& text) {
        printer_.print(p, QRect(x, y, kColumnW, kRowH / 2), c, text);
    };
    print(kScoreX, kTitleY, kBlue, "Scores");
    print(kNameX, kTitleY, kBlue, "Names");
    print(kLevelX, kTitleY, kBlue, "Level");
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const HighScoreRowText row = rowText(table, i);
        const QColor& c = rowColors[size_t(i)];
        print(kScoreX, rowY(i), c, row.score);
        print(kNameX, rowY(i), c, row.name);
        print(kLevelX, rowY(i), c, row.level);
    }
    print(okayLabelRect().x(), okayLabelRect().y(), Qt::black, "Okay");
}

}  // namespace vrh
