#include "windows/progress/HighScoresWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtGlobal>

#include "platform/FolderLock.h"
#include "meta/TextFile.h"

namespace vrh {

const std::array<QColor, 6>& HighScoresWindow::flashColors() {
    static const std::array<QColor, 6> colors{QColor(192, 192, 255), QColor(128, 128, 255), QColor(0, 0, 255),
                                              QColor(0, 0, 192),     QColor(0, 0, 128),     QColor(0, 0, 64)};
    return colors;
}

HighScoresWindow::HighScoresWindow(Forms& forms) : Form(forms, FormId::highScores) {
    setWindowTitle(QStringLiteral("High Scores"));
    setFixedSize(kClientW, kClientH);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rowColors_.fill(Qt::black);
    bindTimer(flashTimer, [this] { onFlashTick(); });
}

void HighScoresWindow::onLoad() {
    App& a = app();
    a.globals.flags.highScoresShowing = true;
    a.snd.highScoreSound.open(a.paths.fileHighScoreSnd);
    a.snd.highScoreSound.play();
    a.globals.newGameAllowed = false;
    bands_ = HighScoreBands();
    flashStep_ = 0;

    enterCurrentRun();

    forms().unload(FormId::titleMenu);
}

// Offers (playerName, score, level) to the table and stores the table. The
// file is rewritten at every opening: a missing or damaged one comes back
// whole, with the default entries where it had none. A file that cannot be
// used is left alone: the table then lives only while the game runs.
void HighScoresWindow::enterCurrentRun() {
    App& a = app();
    const auto file = a.file(kHighScoreFileName);
    std::optional<std::string> refused;
    bool stored = true;
    std::string text;
    {
        const FolderLock lock(a.appFolder);  // another copy's entry is not lost
        HighScoreRead read = readHighScoreFile(file);
        for (const std::string& r : read.repairs) qWarning("high scores: %s", r.c_str());
        table_ = std::move(read.table);
        insertHighScore(table_, a.globals.playerName, double(int64_t(a.g.score)), double(int(a.g.level)));
        text = serializeHighScores(table_);
        refused = read.refused;
        if (!refused && !a.refusedFiles.refused(file)) stored = writeTextFileAtomic(file, text);
    }
    // What is shown is what the file holds (or would hold): read back as text.
    table_ = parseHighScores(text).table;
    // The boxes come last: this may run inside another window's handler, and
    // no lock is held while the player reads.
    if (refused) {
        a.refusedFiles.refuse(file, *refused, "High scores");
    } else if (!stored) {
        qWarning("high scores: could not write %s", file.string().c_str());
        a.msg.notice("The high score table could not be stored.");
    }
}

void HighScoresWindow::onFlashTick() {
    forms().unload(FormId::titleMenu);
    forms().unload(FormId::game);

    flashStep_ += 1;
    if (flashStep_ >= 7) flashStep_ = 1;

    bands_.tick();

    canvas_.drawBands(bands_);

    const auto pulsing = topmostRowWithScore(table_, double(int64_t(app().g.score)));
    for (int i = 0; i < kHighScorePlaces; ++i)
        rowColors_[size_t(i)] =
            pulsing && *pulsing == i ? flashColors()[size_t(flashStep_ - 1)] : QColor(Qt::black);
    update();
}

void HighScoresWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    canvas_.present(p, size(), table_, rowColors_);
}

void HighScoresWindow::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && okayLabelRect().contains(e->position().toPoint())) {
        onOkayClicked();
        return;
    }
    Form::mousePressEvent(e);
}

// "Okay" from the keyboard: Return, Enter or Escape (not Space, the fire key
// a player may still be holding when the run ends).
void HighScoresWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (!e->isAutoRepeat()) onOkayClicked();
        return;
    default: Form::keyPressEvent(e);
    }
}

void HighScoresWindow::onOkayClicked() {
    app().snd.highScoreSound.close();
    forms().show(FormId::titleMenu);
    forms().unload(FormId::highScores);
}

void HighScoresWindow::onUnload() {
    App& a = app();
    a.globals.flags.highScoresShowing = false;
    a.snd.highScoreSound.stop();
    a.snd.highScoreSound.close();
}

}  // namespace vrh
