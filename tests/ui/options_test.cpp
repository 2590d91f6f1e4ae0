// The options window over a running game: the music choice, Okay, the close
// box and the high-score reset.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "combat/ui/FrmVarnholt.h"
#include "meta/HighScoreTable.h"
#include "meta/TextFile.h"
#include "shell/MusicTracks.h"
#include "shell/Settings.h"
#include "shell/ui/FrmOptions.h"
#include "ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {

struct Options {
    explicit Options(std::string folder = {}) : kit(true, std::move(folder)) {
        kit.forms->show(FormId::frmVarnholt);
        game = &kit.get<FrmVarnholt>(FormId::frmVarnholt)->model();
        open();
        game->tmrTankShot.Tag = "1";
    }
    void open() { kit.get<FrmVarnholt>(FormId::frmVarnholt)->mnuOptionss_Click(); }  // shows, freezes
    FrmOptions* w() { return kit.get<FrmOptions>(FormId::frmOptions); }
    bool running() const { return game->tmrMoves.Enabled() && game->tmrTankShot.Enabled(); }
    ShellKit kit;
    GameWindow* game = nullptr;
    const Globals& globals = kit.app->globals;
};

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void theBoxTextIsTheChoice() {
        Options o;
        QCOMPARE(o.w()->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(o.w()->Label1->text() + o.w()->cmdOkay->text() + o.w()->cmdReset->text(),
                 QStringLiteral("Current Song:OkayReset High Scores"));
        QVERIFY(o.globals.flags.optionsShowing && !o.game->tmrMoves.Enabled());
        QCOMPARE(o.w()->cmbMusic->count(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(o.w()->cmbMusic->itemText(i).toStdString(), std::string(kTrackTitles[size_t(i)]));
        QCOMPARE(o.w()->cmbMusic->currentText(), QStringLiteral("Crush'em All for weapons"));
        o.w()->cmbMusic->setCurrentIndex(8);
        QCOMPARE(o.globals.musicChoice, std::string("Ice Cap Act 1"));
        o.w()->cmbMusic->lineEdit()->setText("ice cap act 1");
        QCOMPARE(o.globals.musicChoice, std::string("ice cap act 1"));
    }

    void okayResumesAFrozenGameAndHides() {
        Options o;
        o.w()->cmbMusic->setCurrentIndex(2);
        QTest::mouseClick(o.w()->cmdOkay, Qt::LeftButton);
        QVERIFY(o.running());
        QVERIFY(!o.globals.flags.optionsShowing);
        QVERIFY(o.kit.forms->loaded(FormId::frmOptions) && !o.w()->isVisible());
        o.open();  // the same window, open again
        QVERIFY(o.globals.flags.optionsShowing);
        QCOMPARE(o.w()->cmbMusic->count(), 10);
        QCOMPARE(o.w()->cmbMusic->currentText(), QStringLiteral("Space Trip Steps"));
    }

    void okayLeavesAPausedGamePausedButTheCloseBoxDoesNot() {
        Options o;
        o.game->lblPause.Visible = true;
        o.w()->cmdOkay_Click();
        QVERIFY(!o.game->tmrMoves.Enabled() && !o.game->tmrTankShot.Enabled());
        o.open();
        o.w()->close();
        QVERIFY(!o.kit.forms->loaded(FormId::frmOptions));
        QVERIFY(o.running());
        QVERIFY(!o.globals.flags.optionsShowing);
    }

    void resetAsksFirst() {
        Options o;
        const std::string file = o.kit.file("vrhhs.txt"), before = "Ann\r\n 47000 \r\n 9 \r\n";
        QVERIFY(writeTextFileAtomic(file, before));
        o.kit.boxes.answer(MsgButton::No);
        QTest::mouseClick(o.w()->cmdReset, Qt::LeftButton);
        QCOMPARE(readTextFile(file).value_or(""), before);
        o.kit.boxes.answer(MsgButton::Yes);
        o.w()->cmdReset_Click();
        QCOMPARE(readTextFile(file).value_or(""), highScoreResetText());
        const auto& shown = o.kit.boxes.shown();
        QCOMPARE(shown.size(), size_t(3));
        for (int i : {0, 1}) {
            QVERIFY(shown[size_t(i)].isQuestion);
            QCOMPARE(shown[size_t(i)].text, std::string("Are you sure you want to reset the high scores? There is no way to undo this!"));
            QCOMPARE(shown[size_t(i)].title, std::string("Are you sure?"));
        }
        QVERIFY(!shown[2].isQuestion);
        QCOMPARE(shown[2].text, std::string("High scores have been reset."));
        QCOMPARE(shown[2].title, kAppTitle);
    }

    void theSharpPixelsBoxIsSavedAtOnceAndReadAtStart() {
        std::string file;
        {
            Options o;
            // The box sits below the other controls, which keep their places.
            QCOMPARE(o.w()->cmdOkay->geometry(), QRect(8, 72, 120, 28));
            QCOMPARE(o.w()->cmdReset->geometry(), QRect(156, 72, 160, 28));
            QVERIFY(o.w()->chkSharpPixels->geometry().top() >= o.w()->cmdReset->geometry().bottom());
            QVERIFY(o.w()->rect().contains(o.w()->chkSharpPixels->geometry()));
            QVERIFY(!o.w()->chkSharpPixels->isChecked());  // no settings file: stretch
            QCOMPARE(o.kit.app->settings.scaleMode(), ScaleMode::Stretch);
            file = o.kit.file(kSettingsFileName);
            QVERIFY(!std::filesystem::exists(file));
            QTest::mouseClick(o.w()->chkSharpPixels, Qt::LeftButton, {}, QPoint(6, 12));
            QCOMPARE(o.kit.app->settings.scaleMode(), ScaleMode::WholeFactor);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{true}));
            QVERIFY(!std::filesystem::exists(o.kit.file(kHighScoreFileName)));  // nothing else written
            o.w()->chkSharpPixels->setChecked(false);
            QCOMPARE(readTextFile(file).value_or(""), settingsText(Settings{false}));
            o.w()->chkSharpPixels->setChecked(true);
            QVERIFY(o.kit.boxes.shown().empty());
        }
        // The next start in the same folder begins with the box ticked.
        const test::ScratchFolder dir("vrh_options_settings");
        QVERIFY(writeTextFileAtomic(dir / kSettingsFileName, settingsText(Settings{true})));
        {
            Options o(dir.string());
            QVERIFY(o.kit.app->settings.wholeNumberScaling);
            QVERIFY(o.w()->chkSharpPixels->isChecked());
        }
        QVERIFY(writeTextFileAtomic(dir / kSettingsFileName, "\x01 not a settings file"));
        {
            Options o(dir.string());
            QVERIFY(!o.w()->chkSharpPixels->isChecked());
        }
        std::filesystem::remove_all(dir);
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
#include "tests/support/ScratchFolder.h"
