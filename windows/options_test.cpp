// The options window over a running game: the music choice, Okay, the close
// box, the high-score reset and the sharp-pixels box.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "meta/HighScoreTable.h"
#include "meta/TextFile.h"
#include "audio/MusicTracks.h"
#include "shell/Settings.h"
#include "windows/title/OptionsWindow.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

struct Options : OverGame {
    explicit Options(std::string folderPath = {}) : OverGame(&GameWindowWidget::onOptionsChosen, std::move(folderPath)) {
        game->volleyUnderway = true;
    }
    OptionsWindow* w() { return get<OptionsWindow>(FormId::options); }
    bool running() const { return game->moveTimer.Enabled() && game->tankShotTimer.Enabled(); }
    const Globals& globals = app->globals;
};

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the track list, the picked or typed text not becoming the choice, and Okay
    // not resuming (or the kept window refilling its list on reopening).
    void theBoxTextIsTheChoiceAndOkayResumes() {
        Options o;
        QVERIFY(o.globals.flags.optionsShowing && !o.game->moveTimer.Enabled());
        QCOMPARE(o.w()->musicChoice->count(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(o.w()->musicChoice->itemText(i).toStdString(), std::string(kTrackTitles[size_t(i)]));
        QCOMPARE(o.w()->musicChoice->currentText(), QStringLiteral("Crush'em All for weapons"));
        o.w()->musicChoice->lineEdit()->setText("ice cap act 1");
        QCOMPARE(o.globals.musicChoice, std::string("ice cap act 1"));
        o.w()->musicChoice->setCurrentIndex(2);
        QCOMPARE(o.globals.musicChoice, std::string("Space Trip Steps"));
        QTest::mouseClick(o.w()->okayButton, Qt::LeftButton);
        QVERIFY(o.running() && !o.globals.flags.optionsShowing);
        QVERIFY(o.forms->loaded(FormId::options) && !o.w()->isVisible());
        o.open();
        QVERIFY(o.globals.flags.optionsShowing);
        QCOMPARE(o.w()->musicChoice->count(), 10);
        QCOMPARE(o.w()->musicChoice->currentText(), QStringLiteral("Space Trip Steps"));
    }

    // Guards Okay resuming a paused game, and the close box not resuming it.
    void okayLeavesAPausedGamePausedButTheCloseBoxDoesNot() {
        Options o;
        o.game->pausedLabel.Visible = true;
        o.w()->onOkayClicked();
        QVERIFY(!o.game->moveTimer.Enabled() && !o.game->tankShotTimer.Enabled());
        o.open();
        o.w()->close();
        QVERIFY(!o.forms->loaded(FormId::options) && !o.globals.flags.optionsShowing);
        QVERIFY(o.running());
    }

    // Guards the reset without asking, on No, or without saying it was done.
    void resetAsksFirst() {
        Options o;
        const std::string file = o.file("vrhhs.txt"), before = "Ann\r\n 47000 \r\n 9 \r\n";
        QVERIFY(writeTextFileAtomic(file, before));
        o.msg.answer(MsgButton::No);
        QTest::mouseClick(o.w()->resetButton, Qt::LeftButton);
        QCOMPARE(readTextFile(file).value_or(""), before);
        o.msg.answer(MsgButton::Yes);
        o.w()->onResetClicked();
        QCOMPARE(readTextFile(file).value_or(""), highScoreResetText());
        const auto& shown = o.msg.shown();
        QCOMPARE(shown.size(), size_t(3));
        QVERIFY(shown[0].isQuestion && shown[1].isQuestion && !shown[2].isQuestion);
        QCOMPARE(shown[2].text, std::string("High scores have been reset."));
    }

    // Guards the box over other controls, not saved at once, or not read at the next start.
    void theSharpPixelsBoxIsSavedAtOnceAndReadAtStart() {
        const test::ScratchFolder dir("vrh_options_settings");
        {
            Options o(dir.string());
            QVERIFY(o.w()->sharpPixelsBox->geometry().top() >= o.w()->resetButton->geometry().bottom());
            QVERIFY(o.w()->rect().contains(o.w()->sharpPixelsBox->geometry()));
            QVERIFY(!o.w()->sharpPixelsBox->isChecked());  // no settings file: stretch
            QCOMPARE(o.app->settings.scaleMode(), ScaleMode::Stretch);
            const std::string file = o.file(kSettingsFileName);
            QVERIFY(!std::filesystem::exists(file));
            QTest::mouseClick(o.w()->sharpPixelsBox, Qt::LeftButton, {}, QPoint(6, 12));
            QCOMPARE(o.app->settings.scaleMode(), ScaleMode::WholeFactor);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{true}));
            QVERIFY(!std::filesystem::exists(o.file(kHighScoreFileName)));  // nothing else written
            o.w()->sharpPixelsBox->setChecked(false);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{false}));
            o.w()->sharpPixelsBox->setChecked(true);
            QVERIFY(o.msg.shown().empty());
        }
        Options next(dir.string());  // the next start in the same folder
        QVERIFY(next.app->settings.wholeNumberScaling && next.w()->sharpPixelsBox->isChecked());
    }
};

VRH_QT_TEST(OptionsTest)
#include "options_test.moc"
