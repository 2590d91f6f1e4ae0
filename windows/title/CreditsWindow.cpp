#include "windows/title/CreditsWindow.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "shell/Credits.h"
#include "windows/title/GameLink.h"

namespace vrh {

namespace {

constexpr int kWindowWidth = 560;
constexpr int kTextWidth = kWindowWidth - 40;  // less the margins and the indent

std::string creditsFileText() {
    QFile f(QStringLiteral(":/credits.txt"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

}  // namespace

CreditsWindow::CreditsWindow(Forms& forms) : Form(forms, FormId::credits) {
    setWindowTitle(QStringLiteral("About"));
    setFixedWidth(kWindowWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);

    QFont headingFont = font();
    headingFont.setBold(true);
    auto heading = [&](const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setFont(headingFont);
        layout->addSpacing(headings.empty() ? 0 : 6);
        layout->addWidget(l);
        headings.push_back(l);
    };
    auto line = [&](const std::string& text) {
        auto* l = new QLabel(QString::fromStdString(text), this);
        l->setContentsMargins(12, 0, 0, 0);
        l->setWordWrap(true);
        // Long credits wrap; the window's layout keeps room for every line.
        l->setMinimumHeight(l->heightForWidth(kTextWidth));
        layout->addWidget(l);
        return l;
    };

    const std::string credits = creditsFileText();
    heading("Programing, Idea and Producer:");
    line("The Varnholt team");
    heading("Sprites:");
    line("The Varnholt team, drawn with our own sprite generator");
    heading("Music:");
    for (const std::string& m : musicCreditLines(credits)) musicLines.push_back(line(m));
    heading("Sounds:");
    const std::vector<std::string> sounds = soundCreditLines(credits);
    if (sounds.empty()) line("The Varnholt team, made with our own sound scripts");
    for (const std::string& m : sounds) line(m);
    heading("Special Thanks:");
    for (const std::string& m : thanksLines(credits)) line(m);
    line("Everyone who played the early builds");

    okayLabel = new QLabel(QStringLiteral("Okay"), this);
    okayLabel->setCursor(Qt::PointingHandCursor);
    okayLabel->setAlignment(Qt::AlignCenter);
    QFont okFont = font();
    okFont.setUnderline(true);
    okayLabel->setFont(okFont);
    okayLabel->installEventFilter(this);
    layout->addSpacing(8);
    layout->addWidget(okayLabel);
}

void CreditsWindow::onLoad() { app().globals.flags.aboutShowing = true; }

void CreditsWindow::onUnload() { app().globals.flags.aboutShowing = false; }

bool CreditsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == okayLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        onOkayClicked();
        return true;
    }
    return Form::eventFilter(watched, event);
}

void CreditsWindow::onOkayClicked() {
    if (GameWindow* game = loadedGame(forms())) {
        game->moveTimer.setEnabled(true);
        if (game->volleyUnderway) {
            app().snd.tankShotSound.play();
            game->tankShotTimer.setEnabled(true);
        }
    }
    forms().unload(FormId::credits);
}

}  // namespace vrh
