#include "windows/title/OptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "meta/HighScoreTable.h"
#include "meta/TextFile.h"
#include "audio/MusicTracks.h"
#include "shell/Settings.h"
#include "windows/title/GameLink.h"

namespace vrh {

OptionsWindow::OptionsWindow(Forms& forms) : Form(forms, FormId::options) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(324, 140);
    Label1 = new QLabel(QStringLiteral("Current Song:"), this);
    Label1->setGeometry(8, 12, 88, 20);
    musicChoice = new QComboBox(this);
    musicChoice->setEditable(true);
    musicChoice->setInsertPolicy(QComboBox::NoInsert);
    musicChoice->setGeometry(100, 8, 216, 24);
    okayButton = new QPushButton(QStringLiteral("Okay"), this);
    okayButton->setGeometry(8, 72, 120, 28);
    resetButton = new QPushButton(QStringLiteral("Reset High Scores"), this);
    resetButton->setGeometry(156, 72, 160, 28);
    sharpPixelsBox = new QCheckBox(QStringLiteral("Sharp pixels (whole-number scaling)"), this);
    sharpPixelsBox->setGeometry(8, 108, 308, 24);
    sharpPixelsBox->setToolTip(
        QStringLiteral("In full screen, enlarge the game by a whole number only, centred on black"));
    sharpPixelsBox->setChecked(forms.app.settings.wholeNumberScaling);

    connect(okayButton, &QPushButton::clicked, this, [this] { onOkayClicked(); });
    setDefaultButton(okayButton);  // Enter presses "Okay" from the list
    connect(resetButton, &QPushButton::clicked, this, [this] { onResetClicked(); });
    connect(sharpPixelsBox, &QCheckBox::toggled, this,
            [this](bool checked) { onSharpPixelsToggled(checked); });
    // Every change of the box's text, picked or typed, is the choice at once.
    connect(musicChoice, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { app().globals.musicChoice = text.toStdString(); });
}

void OptionsWindow::onLoad() {
    const std::string choice = app().globals.musicChoice;
    for (std::string_view title : kTrackTitles)
        musicChoice->addItem(QString::fromUtf8(title.data(), qsizetype(title.size())));
    // The box shows the track in effect: "Crush'em All for weapons" until the
    // player picks another.
    const QString text = QString::fromStdString(choice);
    const int index = musicChoice->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) musicChoice->setCurrentIndex(index);
    musicChoice->setEditText(text);
    app().globals.musicChoice = choice;
}

void OptionsWindow::showEvent(QShowEvent* e) {
    Form::showEvent(e);
    app().globals.flags.optionsShowing = true;
}

void OptionsWindow::onOkayClicked() {
    App& a = app();
    if (GameWindow* game = loadedGame(forms()); game && a.globals.flags.gameShowing) {
        if (!game->moveTimer.Enabled() && !game->pausedLabel.Visible) {
            game->moveTimer.setEnabled(true);
            if (game->volleyUnderway) game->tankShotTimer.setEnabled(true);
        }
    }
    hide();
    a.globals.flags.optionsShowing = false;
}

void OptionsWindow::onUnload() {
    App& a = app();
    // The close box resumes the game even when the player had paused it.
    if (GameWindow* game = loadedGame(forms()); game && a.globals.flags.gameShowing) {
        if (game->volleyUnderway) game->tankShotTimer.setEnabled(true);
        game->moveTimer.setEnabled(true);
    }
    a.globals.flags.optionsShowing = false;
}

void OptionsWindow::onSharpPixelsToggled(bool checked) {
    App& a = app();
    if (a.settings.wholeNumberScaling == checked) return;
    a.settings.wholeNumberScaling = checked;
    const std::filesystem::path file = a.file(kSettingsFileName);
    if (!saveSettings(file, a.settings))
        a.msg.notice("The setting could not be written to \"" + file.string() + "\".");
    // The game window reads the setting whenever it paints.
    if (Form* game = forms().find(FormId::game)) {
        game->update();
        for (QWidget* w : game->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->update();
    }
}

void OptionsWindow::onResetClicked() {
    App& a = app();
    if (a.msg.question("Are you sure you want to reset the high scores? There is no way to undo this!",
                       "Are you sure?") != MsgButton::Yes)
        return;
    const std::filesystem::path file = a.file(kHighScoreFileName);
    if (writeTextFileAtomic(file, highScoreResetText()))
        a.msg.notice("High scores have been reset.");
    else
        a.msg.notice("The high scores could not be written to \"" + file.string() + "\".");
}

}  // namespace vrh
