#include "windows/title/TitleMenuWindow.h"

#include <QPainter>

#include "ui/SpriteSheet.h"

namespace vrh {

TitleMenuWindow::TitleMenuWindow(Forms& forms)
    : Form(forms, FormId::titleMenu),
      scene_(TitleServices{forms.app.g, forms.app.globals, keys(), forms.app.snd, forms.app.paths, *this}) {
    setWindowTitle(QStringLiteral("Main Menu"));
    resize(517, 523);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TitleMenuWindow::onLoad() {
    const QImage& logo = SpriteSheet::instance().image(Pic::imgvrhl);
    scene_.onLoad(logo.width(), logo.height());
    bindTimer(animationTimer, [this] { onAnimationTick(); });
    bindTimer(themeTimer, [this] { onThemeTick(); });
}

void TitleMenuWindow::onUnload() { scene_.onUnload(); }

void TitleMenuWindow::onAnimationTick() {
    const bool inFront = app().fg.foregroundWindow() == handle();
    if (!scene_.onAnimationTick(inFront)) return;  // the title window is gone
    draw();
}

void TitleMenuWindow::onThemeTick() { scene_.onThemeTick(); }

void TitleMenuWindow::draw() {
    canvas_.draw(scene_);
    update();
}

void TitleMenuWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    canvas_.renderer().present(p, TitleCanvas::kSize, size());
}

void TitleMenuWindow::showNamePrompt() { forms().show(FormId::namePrompt); }

void TitleMenuWindow::showLoadWindow() { forms().show(FormId::saveSlots); }

void TitleMenuWindow::showHighScores() { forms().show(FormId::highScores); }

void TitleMenuWindow::unloadTitle() { forms().unload(FormId::titleMenu); }

void TitleMenuWindow::toggleWindowState() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        showNormal();
    else
        showMaximized();
}

}  // namespace vrh
