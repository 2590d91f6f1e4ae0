#include "windows/title/KeyConfigWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "shell/KeyNames.h"
#include "windows/title/GameLink.h"

namespace vrh {

namespace {

// The button map fields in box order.
std::array<Int16*, 12> buttonFields(ButtonMap& k) {
    return {&k.keyA,  &k.keyB,    &k.keyC,    &k.keyX,     &k.keyY,     &k.keyZ,
            &k.keyUp, &k.keyDown, &k.keyLeft, &k.keyRight, &k.keyStart, &k.keySelect};
}

}  // namespace

KeyConfigWindow::KeyConfigWindow(Forms& forms) : Form(forms, FormId::keyConfig) {
    setWindowTitle(QStringLiteral("Button Configuration "));
    setFixedSize(400, 304);

    infoLabel =
        new QLabel(QStringLiteral("Please enter the keys you would like to use for the following buttons. "
                                  "Please note that not all keys will be used in every game."),
                   this);
    infoLabel->setWordWrap(true);
    infoLabel->setGeometry(8, 6, 384, 46);

    struct Row {
        QLabel** label;
        const char* caption;
        QComboBox** box;
    };
    const Row rows[12] = {
        {&aKeyLabel, "A", &aKeyBox},
        {&bKeyLabel, "B", &bKeyBox},
        {&cKeyLabel, "C", &cKeyBox},
        {&xKeyLabel, "X", &xKeyBox},
        {&yKeyLabel, "Y", &yKeyBox},
        {&zKeyLabel, "Z", &zKeyBox},
        {&upKeyLabel, "Up", &upKeyBox},
        {&downKeyLabel, "Down", &downKeyBox},
        {&leftKeyLabel, "Left", &leftKeyBox},
        {&rightKeyLabel, "Right", &rightKeyBox},
        {&startKeyLabel, "Start", &startKeyBox},
        {&selectKeyLabel, "Select", &selectKeyBox},
    };
    for (int i = 0; i < 12; ++i) {
        const int col = i / 6, row = i % 6;
        const int x = 8 + col * 196, y = 60 + row * 32;
        *rows[i].label = new QLabel(QString::fromLatin1(rows[i].caption), this);
        (*rows[i].label)->setGeometry(x, y + 4, 48, 20);
        *rows[i].box = new QComboBox(this);
        (*rows[i].box)->setGeometry(x + 52, y, 128, 24);
    }
    // Start and Select also take a typed key name.
    for (QComboBox* b : {startKeyBox, selectKeyBox}) {
        b->setEditable(true);
        b->setInsertPolicy(QComboBox::NoInsert);
    }
    saveButton = new QPushButton(QStringLiteral("Ok"), this);
    saveButton->setGeometry(160, 264, 80, 28);
    connect(saveButton, &QPushButton::clicked, this, [this] { onSaveClicked(); });
    setDefaultButton(saveButton);  // Enter presses "Ok" from any box
}

std::array<QComboBox*, 12> KeyConfigWindow::boxes() const {
    return {aKeyBox,  bKeyBox,    cKeyBox,    xKeyBox,     yKeyBox,     zKeyBox,
            upKeyBox, downKeyBox, leftKeyBox, rightKeyBox, startKeyBox, selectKeyBox};
}

void KeyConfigWindow::onLoad() {
    App& a = app();
    for (QComboBox* b : boxes()) {
        for (const KeyName& k : keyNameList())
            b->addItem(QString::fromLatin1(k.name.data(), qsizetype(k.name.size())));
        b->setCurrentIndex(-1);  // no text until the bound key is looked up
    }
    a.globals.flags.buttonConfigShowing = true;

    // The boxes are filled A .. Right, then Select before Start.
    const auto box = boxes();
    const auto field = buttonFields(a.globals.keys);
    constexpr int order[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10};
    for (int i : order) {
        const auto name = keyNameOf(int(*field[size_t(i)]));
        if (!name) continue;  // the box keeps its text
        const int index = box[size_t(i)]->findText(QString::fromLatin1(name->data(), qsizetype(name->size())),
                                                   Qt::MatchExactly | Qt::MatchCaseSensitive);
        box[size_t(i)]->setCurrentIndex(index);
    }
}

void KeyConfigWindow::showEvent(QShowEvent* e) {
    Form::showEvent(e);
    app().globals.flags.buttonConfigShowing = true;
}

void KeyConfigWindow::onSaveClicked() {
    App& a = app();
    const auto box = boxes();
    const auto field = buttonFields(a.globals.keys);
    for (size_t i = 0; i < box.size(); ++i)
        if (const auto code = keyCodeOf(box[i]->currentText().toStdString())) *field[i] = *code;
    a.globals.flags.buttonConfigShowing = false;

    // Ok lets the game run on, even under its pause screen.
    if (GameWindow* game = loadedGame(forms())) {
        game->moveTimer.setEnabled(true);
        if (game->volleyUnderway) {
            a.snd.tankShotSound.play();
            game->tankShotTimer.setEnabled(true);
        }
    }
    hide();
}

void KeyConfigWindow::onUnload() {
    App& a = app();
    // Resume a game that this window suspended, not one the player paused.
    if (GameWindow* game = loadedGame(forms()); game && a.globals.flags.gameShowing) {
        if (!game->moveTimer.Enabled() && !game->pausedLabel.Visible) {
            game->moveTimer.setEnabled(true);
            if (game->volleyUnderway) game->tankShotTimer.setEnabled(true);
        }
    }
    a.globals.flags.buttonConfigShowing = false;
}

}  // namespace vrh
