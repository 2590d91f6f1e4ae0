#include "shell/ui/TitleCanvas.h"

#include <QPainter>

namespace vrh {

namespace {
QColor colorOf(uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

QFont entryFont() {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(18);  // 13.5 points on a 96 dpi screen
    return f;
}
}  // namespace

TitleCanvas::TitleCanvas() : renderer_(kSize), printer_(entryFont()) {}

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
