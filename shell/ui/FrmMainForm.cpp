#include "shell/ui/FrmMainForm.h"

#include <QFont>
#include <QPainter>

#include "combat/ui/SpriteSheet.h"

namespace vrh {

namespace {
constexpr QSize kCanvas(TitleScene::kCanvasW, TitleScene::kCanvasH);

QColor colorOf(uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }
}  // namespace

FrmMainForm::FrmMainForm(Forms& forms)
    : Form(forms, FormId::frmMainForm),
      scene_(TitleServices{forms.app.g, forms.app.globals, forms.app.keys, forms.app.snd,
                           forms.app.paths, *this}),
      renderer_(kCanvas) {
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
    scene_.compose(sceneFrame_, logoFrame_);
    renderer_.render(sceneFrame_);
    {
        QPainter p(&renderer_.canvas());
        QFont font(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(18);  // 13.5 points on a 96 dpi screen
        p.setFont(font);
        for (const MenuLabel* e : scene_.entries()) {
            p.setPen(colorOf(e->ForeColor));
            p.drawText(QRect(e->Left, e->Top, kCanvas.width() - e->Left, 32),
                       Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(e->Caption));
        }
    }
    renderer_.render(logoFrame_);
    update();
}

void FrmMainForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    renderer_.present(p, kCanvas, size());
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
