#include "shell/ui/TitleCanvas.h"

#include <QPainter>

namespace vrh {

namespace {
QColor colorOf(uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }
}  // namespace

TitleCanvas::TitleCanvas() : renderer_(kSize), font_(QStringLiteral("Sans Serif")) {
    font_.setStyleHint(QFont::SansSerif);
    font_.setPixelSize(18);  // 13.5 points on a 96 dpi screen
}

void TitleCanvas::draw(const TitleScene& scene) {
    scene.compose(sceneFrame_, logoFrame_);
    renderer_.render(sceneFrame_);
    {
        QPainter p(&renderer_.canvas());
        p.setFont(font_);
        for (const MenuLabel* e : scene.entries()) {
            p.setPen(colorOf(e->ForeColor));
            p.drawText(QRect(e->Left, e->Top, kSize.width() - e->Left, 32), Qt::AlignLeft | Qt::AlignTop,
                       QString::fromStdString(e->Caption));
        }
    }
    renderer_.render(logoFrame_);
}

}  // namespace vrh
