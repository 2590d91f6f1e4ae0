// The windows the running game's menu opens (button configuration, options,
// credits), which freeze it, and the game window's own close box.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "meta/HighScoreTable.h"
#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/title/CreditsWindow.h"
#include "windows/title/KeyConfigWindow.h"
#include "windows/title/OptionsWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
void pick(QComboBox* box, const char* name) { box->setCurrentIndex(box->findText(name)); }
bool running(GameWindow* g) { return g->moveTimer.Enabled() && g->tankShotTimer.Enabled(); }
}  // namespace

class GameMenusTest : public QObject {
    Q_OBJECT
private slots:
    // Guards Enter not pressing Ok from a key box, Ok not taking the keys or not
    // resuming a paused game with its volley, and the close box keeping choices
    // or resuming a game the player paused.
    void keyConfigOkTakesTheKeysAndTheCloseBoxDiscards() {
        for (bool closeBox : {false, true}) {
            OverGame c(&GameWindowWidget::onKeyConfigChosen);
            QPointer<KeyConfigWindow> w = c.get<KeyConfigWindow>(FormId::keyConfig);
            c.game->volleyUnderway = c.game->pausedLabel.Visible = true;
            QCOMPARE(w->startKeyBox->currentText(), QStringLiteral("Enter"));
            pick(w->aKeyBox, "Z");
            w->startKeyBox->setEditText("Banana");  // an unknown typed name keeps that binding
            w->aKeyBox->setFocus();
            if (closeBox) w->close();
            else QTest::keyClick(w->aKeyBox, Qt::Key_Return);
            QTRY_VERIFY(!w || !w->isVisible());
            QVERIFY(!c.app->globals.flags.buttonConfigShowing);
            QCOMPARE(int(c.app->globals.keys.keyA), closeBox ? 32 : 90);
            QCOMPARE(int(c.app->globals.keys.keyStart), 13);
            QCOMPARE(running(c.game), !closeBox);
            QCOMPARE(c.tankShots(), closeBox ? 0 : 1);
        }
    }

    // Guards the typed or picked track not becoming the choice, Okay resuming a
    // paused game, the close box not resuming it, and the reset without asking.
    void optionsChooseTheTrackResetOnYesAndResume() {
        OverGame o(&GameWindowWidget::onOptionsChosen);
        auto* w = o.get<OptionsWindow>(FormId::options);
        o.game->volleyUnderway = o.game->pausedLabel.Visible = true;
        QVERIFY(o.app->globals.flags.optionsShowing && !o.game->moveTimer.Enabled());
        w->musicChoice->lineEdit()->setText("ice cap act 1");
        QCOMPARE(o.app->globals.musicChoice, std::string("ice cap act 1"));
        w->musicChoice->setCurrentIndex(2);
        QCOMPARE(o.app->globals.musicChoice, std::string("Space Trip Steps"));
        o.write(kHighScoreFileName, "Ann\r\n 47000 \r\n 9 \r\n");
        for (MsgButton answer : {MsgButton::No, MsgButton::Yes}) {
            o.msg.answer(answer);
            QTest::mouseClick(w->resetButton, Qt::LeftButton);
        }
        QCOMPARE(o.read(kHighScoreFileName), highScoreResetText());
        QCOMPARE(o.msg.shown().size(), size_t(3));
        QTest::mouseClick(w->okayButton, Qt::LeftButton);
        QVERIFY(!o.game->moveTimer.Enabled() && !o.app->globals.flags.optionsShowing && !w->isVisible());
        o.open();
        QCOMPARE(w->musicChoice->currentText(), QStringLiteral("Space Trip Steps"));
        w->close();
        QVERIFY(running(o.game) && !o.forms->loaded(FormId::options));
    }

    // Guards the credits' Okay not resuming the game (the volley only when under way).
    void creditsOkayResumesTheGame() {
        for (bool volley : {true, false}) {
            OverGame kit(&GameWindowWidget::onAboutChosen);
            kit.game->volleyUnderway = volley;
            QVERIFY(kit.app->globals.flags.aboutShowing && !kit.game->moveTimer.Enabled());
            QTest::mouseClick(kit.get<CreditsWindow>(FormId::credits)->okayLabel, Qt::LeftButton);
            QVERIFY(kit.game->moveTimer.Enabled() && kit.game->tankShotTimer.Enabled() == volley);
            QCOMPARE(kit.tankShots(), volley ? 1 : 0);
            QVERIFY(!kit.forms->loaded(FormId::credits) && !kit.app->globals.flags.aboutShowing);
        }
    }

    // Guards the game window's close box leaving the program running with no window.
    void theGameWindowsCloseBoxLetsTheProgramEnd() {
        ShellKit k;
        k.forms->show(FormId::game);
        WindowFlags& f = k.app->globals.flags;
        f.nameShowing = true;  // left set by the prompt that started the run
        k.get<GameWindowWidget>(FormId::game)->close();
        QVERIFY(!k.forms->loaded(FormId::game));
        QVERIFY(!f.nameShowing && !f.gameShowing && !f.mainMenuShowing && !f.highScoresShowing);
    }
};

VRH_QT_TEST(GameMenusTest)
#include "game_menus_test.moc"
