// The button configuration window over a running game.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "shell/KeyNames.h"
#include "windows/title/FrmBSF.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {
void pick(QComboBox* box, const char* name) { box->setCurrentIndex(box->findText(name)); }
}  // namespace

struct Config : OverGame {
    Config() : OverGame(&FrmVarnholt::mnuButtonConfig_Click) {}
    FrmBSF* w() { return get<FrmBSF>(FormId::frmBSF); }
    const ButtonMap& bound = app->globals.keys;
};

class BsfTest : public QObject {
    Q_OBJECT
private slots:
    // Guards Ok (bindings taken, resumed even when paused) and boxes out of order or refilled on reopening.
    void okTakesTheKeysResumesAndHides() {
        Config c;
        QVERIFY(c.w()->isVisible() && c.app->globals.flags.buttonConfigShowing);
        const char* shown[12] = {"SpaceBar", "M", "N", "O", "P", "Q", "UpArrow", "DownArrow", "LeftArrow",
                                 "RightArrow", "Enter", "Shift"};
        for (size_t i = 0; i < 12; ++i) QCOMPARE(c.w()->boxes()[i]->currentText(), QString::fromLatin1(shown[i]));
        c.game->volleyUnderway = true;
        c.game->lblPause.Visible = true;
        pick(c.w()->ComboStart, "NumPad5");
        pick(c.w()->ComboA, "Z");
        QTest::mouseClick(c.w()->cmdSave, Qt::LeftButton);
        QCOMPARE(int(c.bound.keyStart), 101);
        QCOMPARE(int(c.bound.keyA), 90);
        QCOMPARE(int(c.bound.keyUp), 38);
        QVERIFY(!c.app->globals.flags.buttonConfigShowing);
        QVERIFY(c.game->tmrMoves.Enabled() && c.game->tmrTankShot.Enabled());
        QCOMPARE(c.tankShots(), 1);
        QVERIFY(c.forms->loaded(FormId::frmBSF) && !c.w()->isVisible());

        c.open();  // the kept window: every box still holds the 54 names once
        QVERIFY(c.w()->isVisible() && c.app->globals.flags.buttonConfigShowing);
        for (QComboBox* b : c.w()->boxes()) {
            QCOMPARE(b->count(), 54);
            for (int j = 0; j < 54; ++j) QCOMPARE(b->itemText(j).toStdString(), std::string(keyNameList()[size_t(j)].name));
        }
        QCOMPARE(c.w()->ComboStart->currentText(), QStringLiteral("NumPad5"));

        // A typed unknown name keeps only that binding; no volley under way, no shot.
        c.game->volleyUnderway = false;
        c.w()->ComboStart->setEditText("Banana");
        pick(c.w()->ComboU, "W");
        pick(c.w()->ComboSel, "Tab");
        c.w()->cmdSave_Click();
        QCOMPARE(int(c.bound.keyStart), 101);
        QCOMPARE(int(c.bound.keyUp), 87);
        QCOMPARE(int(c.bound.keySelect), 9);
        QVERIFY(c.game->tmrMoves.Enabled() && !c.game->tmrTankShot.Enabled());
        QCOMPARE(c.tankShots(), 1);
    }

    // Guards Enter doing nothing while a key box has the focus.
    void enterPressesOkFromAnyBox() {
        for (QComboBox* (*box)(FrmBSF*) : {+[](FrmBSF* w) { return w->ComboA; }, +[](FrmBSF* w) { return w->ComboStart; }}) {
            Config c;
            pick(c.w()->ComboA, "Z");
            box(c.w())->setFocus();
            QTest::keyClick(box(c.w()), Qt::Key_Return);
            QTRY_VERIFY(!c.w()->isVisible());
            QCOMPARE(int(c.bound.keyA), 90);
        }
    }

    // Guards the close box: choices discarded, only a suspended game resumed (silently), reloaded fresh.
    void closeBoxDiscardsAndResumesOnlyASuspendedGame() {
        for (bool paused : {false, true}) {
            Config c;
            c.game->lblPause.Visible = paused;
            c.game->volleyUnderway = true;
            pick(c.w()->ComboA, "X");
            c.w()->close();
            QVERIFY(!c.forms->loaded(FormId::frmBSF) && !c.app->globals.flags.buttonConfigShowing);
            QCOMPARE(int(c.bound.keyA), 32);
            QVERIFY(c.game->tmrMoves.Enabled() == !paused && c.game->tmrTankShot.Enabled() == !paused);
            QCOMPARE(c.tankShots(), 0);
            Kit::flush();
            c.open();
            QCOMPARE(c.w()->ComboA->currentText(), QStringLiteral("SpaceBar"));
        }
    }
};

VRH_QT_TEST(BsfTest)
#include "bsf_test.moc"
