// The button configuration window over a running game.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "combat/ui/FrmVarnholt.h"
#include "shell/KeyNames.h"
#include "shell/ui/FrmBSF.h"
#include "ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {

struct Config {
    Config() {
        kit.forms->show(FormId::frmVarnholt);
        game = &kit.get<FrmVarnholt>(FormId::frmVarnholt)->model();
        open();
    }
    void open() { kit.get<FrmVarnholt>(FormId::frmVarnholt)->mnuButtonConfig_Click(); }  // freezes, shows
    FrmBSF* w() { return kit.get<FrmBSF>(FormId::frmBSF); }
    int tankShots() { return kit.commands("Play " + kit.app->snd.sndTankShot.deviceName()); }
    static void pick(QComboBox* box, const char* name) { box->setCurrentIndex(box->findText(name)); }
    ShellKit kit;
    GameWindow* game = nullptr;
    const ButtonMap& keys = kit.app->globals.keys;
};

}  // namespace

class BsfTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheBoundKeysShown() {
        Config c;
        QVERIFY(c.w()->isVisible());
        QCOMPARE(c.w()->windowTitle(), QStringLiteral("Button Configuration "));
        QVERIFY(c.w()->LabelInfo->text().startsWith("Please enter the keys you would like to use"));
        QCOMPARE(c.w()->lblStart->text() + c.w()->LabelD->text() + c.w()->cmdSave->text(), QStringLiteral("StartDownOk"));
        QVERIFY(c.kit.app->globals.flags.buttonConfigShowing);
        const char* shown[12] = {"SpaceBar", "M", "N", "O", "P", "Q", "UpArrow", "DownArrow", "LeftArrow",
                                 "RightArrow", "Enter", "Shift"};
        for (size_t i = 0; i < 12; ++i) {
            QComboBox* b = c.w()->boxes()[i];
            QCOMPARE(b->currentText(), QString::fromLatin1(shown[i]));
            QCOMPARE(b->count(), 54);
            for (int j = 0; j < 54; ++j) QCOMPARE(b->itemText(j).toStdString(), std::string(keyNameList()[size_t(j)].name));
        }
    }

    void okTakesTheKeysResumesAndHides() {
        Config c;
        c.game->tmrTankShot.Tag = "1";
        c.game->lblPause.Visible = true;  // Ok resumes even under the pause screen
        c.pick(c.w()->ComboStart, "NumPad5");
        c.pick(c.w()->ComboA, "Z");
        QTest::mouseClick(c.w()->cmdSave, Qt::LeftButton);
        QCOMPARE(int(c.keys.keyStart), 101);
        QCOMPARE(int(c.keys.keyA), 90);
        QCOMPARE(int(c.keys.keyUp), 38);
        QVERIFY(!c.kit.app->globals.flags.buttonConfigShowing);
        QVERIFY(c.game->tmrMoves.Enabled() && c.game->tmrTankShot.Enabled());
        QCOMPARE(c.tankShots(), 1);
        QVERIFY(c.kit.forms->loaded(FormId::frmBSF) && !c.w()->isVisible());

        c.open();  // the same window again: same texts, still 54 names each
        QVERIFY(c.w()->isVisible() && c.kit.app->globals.flags.buttonConfigShowing);
        for (QComboBox* b : c.w()->boxes()) QCOMPARE(b->count(), 54);
        QCOMPARE(c.w()->ComboStart->currentText(), QStringLiteral("NumPad5"));
    }

    void okWithAnUnknownNameKeepsOnlyThatBinding() {
        Config c;
        c.game->tmrTankShot.Tag = "0";
        c.w()->ComboStart->setEditText("Banana");
        c.pick(c.w()->ComboU, "W");
        c.pick(c.w()->ComboSel, "Tab");
        c.w()->cmdSave_Click();
        QCOMPARE(int(c.keys.keyStart), 13);
        QCOMPARE(int(c.keys.keyUp), 87);
        QCOMPARE(int(c.keys.keySelect), 9);
        QVERIFY(c.game->tmrMoves.Enabled() && !c.game->tmrTankShot.Enabled());
        QCOMPARE(c.tankShots(), 0);
    }

    void closeBoxDiscardsAndResumesASuspendedGame() {
        Config c;
        c.game->tmrTankShot.Tag = "1";
        c.pick(c.w()->ComboA, "X");
        c.w()->close();
        QVERIFY(!c.kit.forms->loaded(FormId::frmBSF) && !c.kit.app->globals.flags.buttonConfigShowing);
        QCOMPARE(int(c.keys.keyA), 32);
        QVERIFY(c.game->tmrMoves.Enabled() && c.game->tmrTankShot.Enabled());
        QCOMPARE(c.tankShots(), 0);
        ShellKit::flush();
        c.open();  // a fresh window runs its load step again
        QCOMPARE(c.w()->ComboA->currentText(), QStringLiteral("SpaceBar"));
    }

    void closeBoxLeavesAPausedGamePaused() {
        Config c;
        c.game->lblPause.Visible = true;
        c.game->tmrTankShot.Tag = "1";
        c.w()->close();
        QVERIFY(!c.game->tmrMoves.Enabled() && !c.game->tmrTankShot.Enabled());
    }
};

QTEST_MAIN(BsfTest)
#include "bsf_test.moc"
