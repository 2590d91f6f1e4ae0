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
#include "windows/title/FrmOptions.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

struct Options : OverGame {
    explicit Options(std::string folderPath = {}) : OverGame(&FrmVarnholt::mnuOptionss_Click, std::move(folderPath)) {
        game->tmrTankShot.Tag = "1";
    }
    FrmOptions* w() { return get<FrmOptions>(FormId::frmOptions); }
    bool running() const { return game->tmrMoves.Enabled() && game->tmrTankShot.Enabled(); }
    const Globals& globals = app->globals;
};

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the track list, the picked or typed text not becoming the choice, and Okay
    // not resuming (or the kept window refilling its list on reopening).
    void theBoxTextIsTheChoiceAndOkayResumes() {
        Options o;
        QVERIFY(o.globals.flags.optionsShowing && !o.game->tmrMoves.Enabled());
        QCOMPARE(o.w()->cmbMusic->count(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(o.w()->cmbMusic->itemText(i).toStdString(), std::string(kTrackTitles[size_t(i)]));
        QCOMPARE(o.w()->cmbMusic->currentText(), QStringLiteral("Crush'em All for weapons"));
        o.w()->cmbMusic->lineEdit()->setText("ice cap act 1");
        QCOMPARE(o.globals.musicChoice, std::string("ice cap act 1"));
        o.w()->cmbMusic->setCurrentIndex(2);
        QCOMPARE(o.globals.musicChoice, std::string("Space Trip Steps"));
        QTest::mouseClick(o.w()->cmdOkay, Qt::LeftButton);
        QVERIFY(o.running() && !o.globals.flags.optionsShowing);
        QVERIFY(o.forms->loaded(FormId::frmOptions) && !o.w()->isVisible());
        o.open();
        QVERIFY(o.globals.flags.optionsShowing);
        QCOMPARE(o.w()->cmbMusic->count(), 10);
        QCOMPARE(o.w()->cmbMusic->currentText(), QStringLiteral("Space Trip Steps"));
    }

    // Guards Okay resuming a paused game, and the close box not resuming it.
    void okayLeavesAPausedGamePausedButTheCloseBoxDoesNot() {
        Options o;
        o.game->lblPause.Visible = true;
        o.w()->cmdOkay_Click();
        QVERIFY(!o.game->tmrMoves.Enabled() && !o.game->tmrTankShot.Enabled());
        o.open();
        o.w()->close();
        QVERIFY(!o.forms->loaded(FormId::frmOptions) && !o.globals.flags.optionsShowing);
        QVERIFY(o.running());
    }

    // Guards the reset without asking, on No, or without saying it was done.
    void resetAsksFirst() {
        Options o;
        const std::string file = o.file("vrhhs.txt"), before = "Ann\r\n 47000 \r\n 9 \r\n";
        QVERIFY(writeTextFileAtomic(file, before));
        o.msg.answer(MsgButton::No);
        QTest::mouseClick(o.w()->cmdReset, Qt::LeftButton);
        QCOMPARE(readTextFile(file).value_or(""), before);
        o.msg.answer(MsgButton::Yes);
        o.w()->cmdReset_Click();
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
            QVERIFY(o.w()->chkSharpPixels->geometry().top() >= o.w()->cmdReset->geometry().bottom());
            QVERIFY(o.w()->rect().contains(o.w()->chkSharpPixels->geometry()));
            QVERIFY(!o.w()->chkSharpPixels->isChecked());  // no settings file: stretch
            QCOMPARE(o.app->settings.scaleMode(), ScaleMode::Stretch);
            const std::string file = o.file(kSettingsFileName);
            QVERIFY(!std::filesystem::exists(file));
            QTest::mouseClick(o.w()->chkSharpPixels, Qt::LeftButton, {}, QPoint(6, 12));
            QCOMPARE(o.app->settings.scaleMode(), ScaleMode::WholeFactor);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{true}));
            QVERIFY(!std::filesystem::exists(o.file(kHighScoreFileName)));  // nothing else written
            o.w()->chkSharpPixels->setChecked(false);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{false}));
            o.w()->chkSharpPixels->setChecked(true);
            QVERIFY(o.msg.shown().empty());
        }
        Options next(dir.string());  // the next start in the same folder
        QVERIFY(next.app->settings.wholeNumberScaling && next.w()->chkSharpPixels->isChecked());
    }
};

VRH_QT_TEST(OptionsTest)
#include "options_test.moc"
