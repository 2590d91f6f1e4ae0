#include "windows/title/FrmMainForm.h"

#include <QPainter>

#include "ui/SpriteSheet.h"

namespace vrh {

FrmMainForm::FrmMainForm(Forms& forms)
    : Form(forms, FormId::frmMainForm),
      scene_(TitleServices{forms.app.g, forms.app.globals, keys(), forms.app.snd,
                           forms.app.paths, *this}) {
    setWindowTitle(QStringLiteral("Main Menu"));
    resize(517, 523);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrmMainForm::Form_Load() {
    const QImage& logo = SpriteSheet::instance().image(Pic::imgvrhl);
    scene_.Form_Load(logo.width(), logo.height());
    bindTimer(tmrMove, [this] { tmrMove_Timer(); });
    bindTimer(tmrsound, [this] { tmrsound_Timer(); });
}

void FrmMainForm::Form_Unload() { scene_.Form_Unload(); }

void FrmMainForm::tmrMove_Timer() {
    const bool inFront = app().fg.foregroundWindow() == handle();
    if (!scene_.tmrMove_Timer(inFront)) return;  // the title window is gone
    draw();
}

void FrmMainForm::tmrsound_Timer() { scene_.tmrsound_Timer(); }

void FrmMainForm::draw() {
    canvas_.draw(scene_);
    update();
}

void FrmMainForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    canvas_.renderer().present(p, TitleCanvas::kSize, size());
}

void FrmMainForm::showNamePrompt() { forms().show(FormId::frmName); }

void FrmMainForm::showLoadWindow() { forms().show(FormId::frmLoad); }

void FrmMainForm::showHighScores() { forms().show(FormId::frmHighScores); }

void FrmMainForm::unloadTitle() { forms().unload(FormId::frmMainForm); }

void FrmMainForm::toggleWindowState() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        showNormal();
    else
        showMaximized();
}

}  // namespace vrh
