#include "windows/play/GameWindowWidget.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/Theme.h"
#include "ui/XRenderPresenter.h"

namespace vrh {
namespace {

constexpr QSize kField(323, 361);   // the composed play field
constexpr QSize kClient(324, 359);  // client area at the normal window size
constexpr int kStatusLineH = 18;    // the status line under the field

// The pause texts, in play-field pixels: they are drawn over the field and
// grow with it when the window is enlarged.
struct PauseLabelBox {
    const Label GameWindow::*label;
    QRect box;
};
constexpr PauseLabelBox kPauseLabels[] = {
    {&GameWindow::pausedLabel, QRect(119, 128, 81, 33)},
    {&GameWindow::resumeLabel, QRect(115, 160, 89, 33)},
    {&GameWindow::mainMenuLabel, QRect(104, 192, 113, 33)},
};
constexpr int kPauseFontPx = 2 * theme::kFontPixels;  // the pixel font at twice its size

// The surface the frames are presented on (the client area under the menu bar).
class GameCanvas : public QWidget {
public:
    explicit GameCanvas(GameWindowWidget& w) : QWidget(&w), w_(w), font_(theme::font(kPauseFontPx, true)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(kClient);
        if (XRenderPresenter::available()) {
            // The X server enlarges the field: the canvas is an X window of
            // its own, painted without Qt's backing store.
            setAttribute(Qt::WA_NativeWindow);
            setAttribute(Qt::WA_PaintOnScreen);
        }
    }
    QPaintEngine* paintEngine() const override {
        return testAttribute(Qt::WA_PaintOnScreen) ? nullptr : QWidget::paintEngine();
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        if (testAttribute(Qt::WA_PaintOnScreen)) {
            presentOnServer(e->region());
            return;
        }
        QPainter p(this);
        const ScaleMode mode = w_.app().settings.scaleMode();
        w_.renderer().present(p, kField, size(), mode);
        const PixelRect field = presentRect(mode, kField.width(), kField.height(), width(), height());
        p.translate(field.x, field.y);
        p.scale(double(field.w) / kField.width(), double(field.h) / kField.height());
        drawPauseLabels(p);
    }
    void mousePressEvent(QMouseEvent*) override { w_.model().resume(); }  // a click resumes

private:
    bool pauseLabelsShown() const {
        const GameWindow& m = w_.model();
        return m.pausedLabel.Visible || m.resumeLabel.Visible || m.mainMenuLabel.Visible;
    }
    // The pause texts, with `p` in field pixels.
    void drawPauseLabels(QPainter& p) const {
        p.setFont(font_);
        const GameWindow& m = w_.model();
        for (const PauseLabelBox& l : kPauseLabels) {
            const Label& label = m.*l.label;
            if (!label.Visible) continue;
            p.setPen(QColor::fromRgb(label.ForeColor));
            p.drawText(l.box, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(label.Caption));
        }
    }

    // The field goes to the server, which enlarges it; the pause texts are
    // drawn into a copy of the field first. The field is placed in the
    // widget's coordinates, as the game's own drawing does, and shown in the
    // window's pixels (more of them on a high-density screen).
    void presentOnServer(const QRegion& area) {
        if (!server_ || server_->window() != winId()) server_ = XRenderPresenter::create(winId(), kField);
        if (!server_) {  // the game draws the enlarged field itself from now on
            setAttribute(Qt::WA_PaintOnScreen, false);
            update();
            return;
        }
        const qreal dpr = devicePixelRatioF();
        auto inPixels = [dpr](const QRect& r) {
            return QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr).toRect();
        };
        const ScaleMode mode = w_.app().settings.scaleMode();
        const PixelRect f = presentRect(mode, kField.width(), kField.height(), width(), height());
        const QRect shown = inPixels(QRect(f.x, f.y, f.w, f.h));
        QRegion areaInPixels;
        for (const QRect& r : area) areaInPixels += inPixels(r);
        QImage field = w_.renderer().canvas();  // shares the pixels unless labels are drawn
        if (pauseLabelsShown()) {
            QPainter p(&field);
            drawPauseLabels(p);
        }
        server_->present(field, inPixels(rect()).size(), shown, areaInPixels);
    }

    GameWindowWidget& w_;
    QFont font_;
    std::unique_ptr<XRenderPresenter> server_;  // null while the game enlarges the field itself
};

}  // namespace

GameWindowWidget::GameWindowWidget(Forms& forms)
    : Form(forms, FormId::game), model_(std::make_unique<GameWindow>(GameServices{
                                     forms.app.g, forms.app.globals, keys(), forms.app.snd, forms.app.paths,
                                     forms.app.msg, forms.app.rnd, forms.app.fg, *this, handle()})),
      renderer_(kField) {
    setWindowTitle(QStringLiteral("Varnholt"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenu();
    layout->setMenuBar(menuBar_);
    canvas_ = new GameCanvas(*this);
    layout->addWidget(canvas_, 1);
    // The caption carries the status too, but a window manager may cut it
    // short; the line under the field is always readable.
    statusLine_ = new QLabel(QStringLiteral("Varnholt"), this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setAlignment(Qt::AlignCenter);
    statusLine_->setAutoFillBackground(true);
    QPalette pal = statusLine_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, QColor(255, 255, 160));
    statusLine_->setPalette(pal);
    statusLine_->setFont(theme::font(theme::kFontPixels, true));
    statusLine_->setFixedHeight(kStatusLineH);
    layout->addWidget(statusLine_);
    canvas_->setFocus();
    resize(kClient.width(), kClient.height() + kStatusLineH + menuBar_->sizeHint().height());

    model_->attachTimers(forms.timers);
}

GameWindowWidget::~GameWindowWidget() { model_->detachTimers(); }

void GameWindowWidget::buildMenu() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    // The captions read "File", "Save", ...; the underlined letters (Alt+F, S)
    // reach every entry from the keyboard.
    QMenu* fileMenu = menuBar_->addMenu(QStringLiteral("&File"));
    QMenu* optionsMenu = menuBar_->addMenu(QStringLiteral("&Options"));
    QMenu* helpMenu = menuBar_->addMenu(QStringLiteral("&Help"));
    // Opening a menu freezes the game; focus and the foreground check resume it.
    for (QMenu* m : {fileMenu, optionsMenu, helpMenu})
        connect(m, &QMenu::aboutToShow, this, [this] { model_->freeze(); });

    auto add = [this](QMenu* menu, const char* text, const QKeySequence& key,
                      void (GameWindowWidget::*slot)()) {
        QAction* a = menu->addAction(QString::fromLatin1(text));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        addAction(a);  // shortcuts work while the menu is closed
    };
    add(fileMenu, "&Save", {}, &GameWindowWidget::onSaveChosen);
    add(fileMenu, "&Load", {}, &GameWindowWidget::onLoadChosen);
    add(fileMenu, "E&xit", QKeySequence(Qt::Key_F12), &GameWindowWidget::onExitChosen);
    add(optionsMenu, "&Fullscreen", QKeySequence(Qt::Key_F1), &GameWindowWidget::onFullScreenChosen);
    add(optionsMenu, "&Button Configuration", QKeySequence(Qt::Key_F2), &GameWindowWidget::onKeyConfigChosen);
    add(optionsMenu, "&Options", {}, &GameWindowWidget::onOptionsChosen);
    add(helpMenu, "&About", {}, &GameWindowWidget::onAboutChosen);
}

void GameWindowWidget::onLoad() { model_->onLoad(); }

void GameWindowWidget::onUnload() { model_->onUnload(); }

void GameWindowWidget::showHighScores() { forms().show(FormId::highScores); }

void GameWindowWidget::unloadGameWindow() { forms().unload(FormId::game); }

void GameWindowWidget::openShop(const std::string& caption) {
    forms().show(FormId::upgradeShop);
    if (Form* shop = forms().find(FormId::upgradeShop)) shop->setWindowTitle(QString::fromStdString(caption));
    hide();
}

void GameWindowWidget::present(const Frame& frame) {
    renderer_.render(frame);
    // Only the field's rows that changed are painted and sent again (the
    // menu bar has not changed either), unless the pause labels are or were
    // drawn over the field.
    const GameWindow& m = *model_;
    const bool labels = m.pausedLabel.Visible || m.resumeLabel.Visible || m.mainMenuLabel.Visible;
    const QRegion changed = renderer_.changedArea(kField, canvas_->size(), app().settings.scaleMode());
    if (labels || labelsAtLastPresent_)
        canvas_->update();
    else if (!changed.isEmpty())
        canvas_->update(changed);
    labelsAtLastPresent_ = labels;
}

void GameWindowWidget::captionChanged(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
    statusLine_->setText(QString::fromStdString(caption));
}

void GameWindowWidget::pauseScreenChanged() { canvas_->update(); }

void GameWindowWidget::closeEvent(QCloseEvent* e) {
    // The close box (or Alt+F4) ends the program, as Quit on the title menu
    // does: the start-up's watchdog sees no window left and ends it.
    e->ignore();
    app().globals.flags.closeForQuit();
    forms().unload(FormId::game);
}

void GameWindowWidget::showMainMenu() { forms().show(FormId::titleMenu); }

void GameWindowWidget::onSaveChosen() {
    App& a = app();
    a.globals.loadMode = false;
    forms().show(FormId::saveSlots);
    a.globals.flags.loadShowing = true;
    model_->freeze();
    hide();
    a.globals.flags.gameShowing = false;
}

void GameWindowWidget::onLoadChosen() {
    App& a = app();
    a.globals.loadMode = true;
    forms().show(FormId::saveSlots);
    a.globals.flags.loadShowing = true;
    forms().unload(FormId::game);
}

void GameWindowWidget::onExitChosen() {
    GameWindow& m = *model_;
    m.moveTimer.setEnabled(false);
    const MsgButton answer = app().msg.question("Are you sure you want to exit?", "Do you want to exit?");
    keys().takeOver();  // the key that answered was the box's
    if (answer == MsgButton::Yes) {
        forms().show(FormId::titleMenu);
        forms().unload(FormId::keyConfig);
        forms().unload(FormId::highScores);
        forms().unload(FormId::credits);
        app().globals.playerName.clear();
        forms().unload(FormId::game);
        return;
    }
    if (m.volleyUnderway) {
        app().snd.tankShotSound.play();
        m.tankShotTimer.setEnabled(true);
    }
    m.moveTimer.setEnabled(true);
}

void GameWindowWidget::onFullScreenChosen() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    else
        setWindowState(Qt::WindowMaximized);
    model_->resume();
}

void GameWindowWidget::onKeyConfigChosen() {
    model_->freeze();
    forms().show(FormId::keyConfig);
}

void GameWindowWidget::onOptionsChosen() {
    forms().show(FormId::options);
    model_->moveTimer.setEnabled(false);
    model_->tankShotTimer.setEnabled(false);
}

void GameWindowWidget::onAboutChosen() {
    forms().show(FormId::credits);
    model_->tankShotTimer.setEnabled(false);
    model_->moveTimer.setEnabled(false);
}

void GameWindowWidget::keyReleaseEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat()) model_->onKeyReleased();
    Form::keyReleaseEvent(e);
}

void GameWindowWidget::mousePressEvent(QMouseEvent*) { model_->resume(); }

bool GameWindowWidget::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        model_->resume();  // onActivated
    else if (e->type() == QEvent::WindowDeactivate)
        model_->freeze();  // onDeactivated
    return Form::event(e);
}

}  // namespace vrh
