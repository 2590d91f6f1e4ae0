// The windows of windows/title: the start-up window and its exit watchdog, the title menu, and the dialogs
// from the running game's menu, which freeze it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "meta/HighScoreTable.h"
#include "windows/ShellTestKit.h"
#include "windows/title/CreditsWindow.h"
#include "windows/title/KeyConfigWindow.h"
#include "windows/title/OptionsWindow.h"
#include "windows/title/StartupWindow.h"
#include "windows/title/TitleCanvas.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

static bool running(GameWindow* g) { return g->moveTimer.Enabled() && g->tankShotTimer.Enabled(); }

class TitleWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the Enter that closed another window choosing "New Game", and keys acting on the title while
    // another window is in front.
    void onlyPressesMadeWithTheTitleInFrontAct() {
        Kit k(Real::Shell);
        k.forms->show(FormId::titleMenu);
        k.tick(1100), k.tap(13);                   // past the first second, which ignores Start
        QCOMPARE(k.loads[FormId::namePrompt], 0);  // not in front
        k.front(FormId::titleMenu);
        k.keys.keyDown(13);  // pressed in the window that just closed
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(k.get<TitleMenuWindow>(FormId::titleMenu), &activate);
        k.tick(500);
        QCOMPARE(k.loads[FormId::namePrompt], 0);
        k.keys.keyUp(13), k.tap(13);
        QCOMPARE(k.loads[FormId::namePrompt], 1);
    }

    // Guards a frame drawn only where the scene moves differing anywhere from one drawn whole.
    void framesDrawnInPartsMatchFramesDrawnWhole() {
        Kit k(Real::Shell);
        k.forms->show(FormId::titleMenu), k.front(FormId::titleMenu);
        auto* w = k.get<TitleMenuWindow>(FormId::titleMenu);
        for (int tick = 0; tick < 25; ++tick) {  // the top strip steps twice; the highlight moves
            if (tick == 12) k.keys.tap(40);
            k.tick(100);
            TitleCanvas whole;  // a new canvas draws everything
            whole.draw(w->scene());
            QVERIFY2(w->renderer().canvas() == whole.renderer().canvas(), qPrintable(QString::number(tick)));
        }
    }

    // Guards a restart keeping old bindings or window flags, the watchdog ending the program under an open
    // window, or never; and the program left running with no window shown.
    void startResetsAndTheWatchdogWaitsForAnOpenShownWindow() {
        Kit s(Real::Shell);
        s.write("ws.txt", "No\r\n");  // the media flag says No: nothing is extracted
        int quits = 0;
        s.app->globals.keys = ButtonMap{65, 1, 2, 3, 4, 5, 6, 7, 8, 9, 101, 9};
        WindowFlags& f = s.flags();
        f.gameShowing = f.upgradesShowing = true;
        s.forms->load(FormId::startup);
        s.get<StartupWindow>(FormId::startup)->onQuit = [&quits] { ++quits; };
        const ButtonMap defaults{32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16};
        QVERIFY(std::memcmp(&s.app->globals.keys, &defaults, sizeof defaults) == 0);
        QVERIFY(f.mainMenuShowing && !f.gameShowing && !f.upgradesShowing && s.visible(FormId::titleMenu));
        s.tick(1000);
        f.mainMenuShowing = false;
        using F = WindowFlags;  // each window open for less than the second
        for (bool F::*flag : {&F::loadShowing, &F::gameShowing, &F::highScoresShowing,
                              &F::buttonConfigShowing, &F::nameShowing, &F::aboutShowing, &F::optionsShowing})
            f.*flag = true, s.tick(300), f.*flag = false;
        f.gameShowing = true;  // a flag nobody will clear
        bool shown = true;
        s.get<StartupWindow>(FormId::startup)->anyWindowShown = [&] { return shown; };
        for (int ms : {500, 900, 100}) s.tick(ms), shown = !shown;  // shown, hidden, back in time: count anew
        s.tick(900);
        QCOMPARE(quits, 0);
        s.tick(100);
        QCOMPARE(quits, 1);
    }

    // Guards Enter not pressing Ok from a key box, Ok not taking the keys or not resuming a paused game with
    // its volley, and the close box keeping choices or resuming a game the player paused.
    void keyConfigOkTakesTheKeysAndTheCloseBoxDiscards() {
        for (bool closeBox : {false, true}) {
            OverGame c(&GameWindowWidget::onKeyConfigChosen);
            QPointer<KeyConfigWindow> w = c.get<KeyConfigWindow>(FormId::keyConfig);
            c.game->volleyUnderway = c.game->pausedLabel.Visible = true;
            QCOMPARE(w->startKeyBox->currentText(), QStringLiteral("Enter"));
            w->aKeyBox->setCurrentIndex(w->aKeyBox->findText("Z"));
            w->startKeyBox->setEditText("Banana");  // an unknown typed name keeps that binding
            w->aKeyBox->setFocus();
            closeBox ? void(w->close()) : QTest::keyClick(w->aKeyBox, Qt::Key_Return);
            QTRY_VERIFY(!w || !w->isVisible());
            QVERIFY(!c.flags().buttonConfigShowing && c.app->globals.keys.keyStart == 13);
            QCOMPARE(int(c.app->globals.keys.keyA), closeBox ? 32 : 90);
            QVERIFY(running(c.game) != closeBox && c.tankShots() == !closeBox);
        }
    }

    // Guards the typed or picked track not becoming the choice, Okay resuming a paused game, the close box
    // not resuming it, and the reset without asking.
    void optionsChooseTheTrackResetOnYesAndResume() {
        OverGame o(&GameWindowWidget::onOptionsChosen);
        auto* w = o.get<OptionsWindow>(FormId::options);
        o.game->volleyUnderway = o.game->pausedLabel.Visible = true;
        QVERIFY(o.flags().optionsShowing && !o.game->moveTimer.Enabled());
        w->musicChoice->lineEdit()->setText("ice cap act 1");
        QCOMPARE(o.app->globals.musicChoice, std::string("ice cap act 1"));
        w->musicChoice->setCurrentIndex(2);
        QCOMPARE(o.app->globals.musicChoice, std::string("Space Trip Steps"));
        o.write(kHighScoreFileName, "Ann\r\n 47000 \r\n 9 \r\n");
        for (MsgButton answer : {MsgButton::No, MsgButton::Yes})
            o.msg.answer(answer), QTest::mouseClick(w->resetButton, Qt::LeftButton);
        QVERIFY(o.read(kHighScoreFileName) == highScoreResetText() && o.msg.shown().size() == 3);
        QTest::mouseClick(w->okayButton, Qt::LeftButton);
        QVERIFY(!o.game->moveTimer.Enabled() && !o.flags().optionsShowing && !w->isVisible());
        o.open();
        QCOMPARE(w->musicChoice->currentText(), QStringLiteral("Space Trip Steps"));
        w->close();
        QVERIFY(running(o.game) && !o.loaded(FormId::options));
    }

    // Guards Exit: No resumes the game, and the Enter held to answer is the box's, not a Start; Yes ends the
    // run for the title menu.
    void exitAsksAndTheKeyThatAnsweredIsTheBoxs() {
        OverGame o(&GameWindowWidget::onExitChosen);  // No, the default answer
        o.front(FormId::game), o.tick(1000);          // the controls are armed
        o.keys.keyDown(13), o.open(), o.tick(300);
        QVERIFY(o.game->moveTimer.Enabled() && !o.game->paused() && o.msg.shown().size() == 2);
        o.keys.keyUp(13), o.tap(13, 300);
        QVERIFY(o.game->paused());  // a fresh press still pauses
        o.app->globals.playerName = "Ann", o.msg.answer(MsgButton::Yes), o.open();
        QVERIFY(!o.loaded(FormId::game) && o.loaded(FormId::titleMenu) && o.app->globals.playerName.empty());
    }

    // Guards the credits' Okay not resuming the game (the volley only when under way), and the game window's
    // close box leaving the program running.
    void creditsOkayResumesTheGameAndItsCloseBoxEndsIt() {
        for (bool volley : {true, false}) {
            OverGame o(&GameWindowWidget::onAboutChosen);
            o.game->volleyUnderway = volley;
            QVERIFY(o.flags().aboutShowing && !o.game->moveTimer.Enabled());
            QTest::mouseClick(o.get<CreditsWindow>(FormId::credits)->okayLabel, Qt::LeftButton);
            QVERIFY(o.game->moveTimer.Enabled() && o.game->tankShotTimer.Enabled() == volley);
            QVERIFY(o.tankShots() == volley && !o.loaded(FormId::credits));
            WindowFlags& f = o.flags();
            f.nameShowing = true;  // left set by the prompt that started the run
            o.get<GameWindowWidget>(FormId::game)->close();
            QVERIFY(!o.loaded(FormId::game) && !f.aboutShowing && !f.nameShowing && !f.gameShowing);
            QVERIFY(!f.mainMenuShowing && !f.highScoresShowing);
        }
    }
};

VRH_QT_TEST(TitleWindowsTest)
#include "title_windows_test.moc"
