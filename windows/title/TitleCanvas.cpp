#include "windows/title/TitleCanvas.h"

#include <QPainter>

#include "ui/Theme.h"

namespace vrh {

namespace {
QColor colorOf(uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

QRect entryBox(const MenuLabel& e) { return QRect(e.Left, e.Top, TitleCanvas::kSize.width() - e.Left, 32); }
}  // namespace

// The entries are the pixel font at twice its size: each glyph pixel a 2 x 2 block.
TitleCanvas::TitleCanvas()
    : renderer_(kSize), printer_(theme::font(2 * theme::kFontPixels), TextPrinter::Rim::Contrasting) {}

QRegion TitleCanvas::changingArea(const TitleScene& s) {
    const QRect logo(s.logoX, s.logoY, s.logoW, s.logoH);
    const QRect ship(s.spriteX, s.spriteY, s.spriteW, s.spriteH);
    QRegion area(0, TitleScene::titleBand1Y, kSize.width(), kSize.height() - TitleScene::titleBand1Y);
    area += ship;
    area += drawnShip_;
    for (const MenuLabel* e : s.entries()) area += entryBox(*e);
    const bool stillPartMoved = drawnTopX_.empty() || s.titleTopX != drawnTopX_ || logo != drawnLogo_;
    if (stillPartMoved) area = QRegion(QRect(QPoint(0, 0), kSize));
    drawnTopX_ = s.titleTopX;
    drawnLogo_ = logo;
    drawnShip_ = ship;
    return area;
}

void TitleCanvas::draw(const TitleScene& scene) {
    scene.compose(sceneFrame_, logoFrame_);
    const QRegion area = changingArea(scene);
    renderer_.render(sceneFrame_, area);
    {
        QPainter p(&renderer_.canvas());  // the entries lie inside the area
        for (const MenuLabel* e : scene.entries())
            printer_.print(p, entryBox(*e), colorOf(e->ForeColor), e->Caption);
    }
    renderer_.render(logoFrame_, area);
}

}  // namespace vrh
