#include "shell/ui/TitleCanvas.h"

#include <QPainter>

#include "shell/ui/Theme.h"

namespace vrh {

namespace {
QColor colorOf(uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

}  // namespace

// The entries are the pixel font at twice its size: each glyph pixel a 2 x 2 block.
TitleCanvas::TitleCanvas()
    : renderer_(kSize), printer_(theme::font(2 * theme::kFontPixels), TextPrinter::Rim::Contrasting) {}

void TitleCanvas::draw(const TitleScene& scene) {
    scene.compose(sceneFrame_, logoFrame_);
    renderer_.render(sceneFrame_);
    {
        QPainter p(&renderer_.canvas());
        for (const MenuLabel* e : scene.entries())
            printer_.print(p, QRect(e->Left, e->Top, kSize.width() - e->Left, 32), colorOf(e->ForeColor), e->Caption);
    }
    renderer_.render(logoFrame_);
}

}  // namespace vrh
