#include "windows/title/FrmOptions.h"

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

FrmOptions::FrmOptions(Forms& forms) : Form(forms, FormId::frmOptions) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(324, 140);
    Label1 = new QLabel(QStringLiteral("Current Song:"), this);
    Label1->setGeometry(8, 12, 88, 20);
    cmbMusic = new QComboBox(this);
    cmbMusic->setEditable(true);
    cmbMusic->setInsertPolicy(QComboBox::NoInsert);
    cmbMusic->setGeometry(100, 8, 216, 24);
    cmdOkay = new QPushButton(QStringLiteral("Okay"), this);
    cmdOkay->setGeometry(8, 72, 120, 28);
    cmdReset = new QPushButton(QStringLiteral("Reset High Scores"), this);
    cmdReset->setGeometry(156, 72, 160, 28);
    chkSharpPixels = new QCheckBox(QStringLiteral("Sharp pixels (whole-number scaling)"), this);
    chkSharpPixels->setGeometry(8, 108, 308, 24);
    chkSharpPixels->setToolTip(QStringLiteral("In full screen, enlarge the game by a whole number only, centred on black"));
    chkSharpPixels->setChecked(forms.app.settings.wholeNumberScaling);

    connect(cmdOkay, &QPushButton::clicked, this, [this] { cmdOkay_Click(); });
    setDefaultButton(cmdOkay);  // Enter presses "Okay" from the list
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(chkSharpPixels, &QCheckBox::toggled, this, [this](bool checked) { chkSharpPixels_Click(checked); });
    // Every change of the box's text, picked or typed, is the choice at once.
    connect(cmbMusic, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { app().globals.musicChoice = text.toStdString(); });
}

void FrmOptions::Form_Load() {
    const std::string choice = app().globals.musicChoice;
    for (std::string_view title : kTrackTitles)
        cmbMusic->addItem(QString::fromUtf8(title.data(), qsizetype(title.size())));
    // The box shows the track in effect: "Crush'em All for weapons" until the
    // player picks another.
    const QString text = QString::fromStdString(choice);
    const int index = cmbMusic->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) cmbMusic->setCurrentIndex(index);
    cmbMusic->setEditText(text);
    app().globals.musicChoice = choice;
}

void FrmOptions::showEvent(QShowEvent* e) {
    Form::showEvent(e);
    app().globals.flags.optionsShowing = true;
}

void FrmOptions::cmdOkay_Click() {
    App& a = app();
    if (GameWindow* game = loadedGame(forms()); game && a.globals.flags.gameShowing) {
        if (!game->tmrMoves.Enabled() && !game->lblPause.Visible) {
            game->tmrMoves.setEnabled(true);
            if (game->volleyUnderway) game->tmrTankShot.setEnabled(true);
        }
    }
    hide();
    a.globals.flags.optionsShowing = false;
}

void FrmOptions::Form_Unload() {
    App& a = app();
    // The close box resumes the game even when the player had paused it.
    if (GameWindow* game = loadedGame(forms()); game && a.globals.flags.gameShowing) {
        if (game->volleyUnderway) game->tmrTankShot.setEnabled(true);
        game->tmrMoves.setEnabled(true);
    }
    a.globals.flags.optionsShowing = false;
}

void FrmOptions::chkSharpPixels_Click(bool checked) {
    App& a = app();
    if (a.settings.wholeNumberScaling == checked) return;
    a.settings.wholeNumberScaling = checked;
    const std::filesystem::path file = a.file(kSettingsFileName);
    if (!saveSettings(file, a.settings))
        a.msg.notice("The setting could not be written to \"" + file.string() + "\".");
    // The game window reads the setting whenever it paints.
    if (Form* game = forms().find(FormId::frmVarnholt)) {
        game->update();
        for (QWidget* w : game->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->update();
    }
}

void FrmOptions::cmdReset_Click() {
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
