// The button configuration window over a running game.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "shell/KeyNames.h"
#include "windows/title/KeyConfigWindow.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {
void pick(QComboBox* box, const char* name) { box->setCurrentIndex(box->findText(name)); }
}  // namespace

struct Config : OverGame {
    Config() : OverGame(&GameWindowWidget::onKeyConfigChosen) {}
    KeyConfigWindow* w() { return get<KeyConfigWindow>(FormId::keyConfig); }
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
        c.game->pausedLabel.Visible = true;
        pick(c.w()->startKeyBox, "NumPad5");
        pick(c.w()->aKeyBox, "Z");
        QTest::mouseClick(c.w()->saveButton, Qt::LeftButton);
        QCOMPARE(int(c.bound.keyStart), 101);
        QCOMPARE(int(c.bound.keyA), 90);
        QCOMPARE(int(c.bound.keyUp), 38);
        QVERIFY(!c.app->globals.flags.buttonConfigShowing);
        QVERIFY(c.game->moveTimer.Enabled() && c.game->tankShotTimer.Enabled());
        QCOMPARE(c.tankShots(), 1);
        QVERIFY(c.forms->loaded(FormId::keyConfig) && !c.w()->isVisible());

        c.open();  // the kept window: every box still holds the 54 names once
        QVERIFY(c.w()->isVisible() && c.app->globals.flags.buttonConfigShowing);
        for (QComboBox* b : c.w()->boxes()) {
            QCOMPARE(b->count(), 54);
            for (int j = 0; j < 54; ++j) QCOMPARE(b->itemText(j).toStdString(), std::string(keyNameList()[size_t(j)].name));
        }
        QCOMPARE(c.w()->startKeyBox->currentText(), QStringLiteral("NumPad5"));

        // A typed unknown name keeps only that binding; no volley under way, no shot.
        c.game->volleyUnderway = false;
        c.w()->startKeyBox->setEditText("Banana");
        pick(c.w()->upKeyBox, "W");
        pick(c.w()->selectKeyBox, "Tab");
        c.w()->onSaveClicked();
        QCOMPARE(int(c.bound.keyStart), 101);
        QCOMPARE(int(c.bound.keyUp), 87);
        QCOMPARE(int(c.bound.keySelect), 9);
        QVERIFY(c.game->moveTimer.Enabled() && !c.game->tankShotTimer.Enabled());
        QCOMPARE(c.tankShots(), 1);
    }

    // Guards Enter doing nothing while a key box has the focus.
    void enterPressesOkFromAnyBox() {
        for (QComboBox* (*box)(KeyConfigWindow*) : {+[](KeyConfigWindow* w) { return w->aKeyBox; }, +[](KeyConfigWindow* w) { return w->startKeyBox; }}) {
            Config c;
            pick(c.w()->aKeyBox, "Z");
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
            c.game->pausedLabel.Visible = paused;
            c.game->volleyUnderway = true;
            pick(c.w()->aKeyBox, "X");
            c.w()->close();
            QVERIFY(!c.forms->loaded(FormId::keyConfig) && !c.app->globals.flags.buttonConfigShowing);
            QCOMPARE(int(c.bound.keyA), 32);
            QVERIFY(c.game->moveTimer.Enabled() == !paused && c.game->tankShotTimer.Enabled() == !paused);
            QCOMPARE(c.tankShots(), 0);
            Kit::flush();
            c.open();
            QCOMPARE(c.w()->aKeyBox->currentText(), QStringLiteral("SpaceBar"));
        }
    }
};

VRH_QT_TEST(BsfTest)
#include "key_config_window_test.moc"
