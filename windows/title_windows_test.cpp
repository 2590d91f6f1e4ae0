// The windows of windows/title: the start-up window (the flags and button map
// it resets, the exit watchdog), the title menu (which keys are its own, its
// partial redraws), and the dialogs the running game's menu opens, which
// freeze it (button configuration, options, credits), with its close box.
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

namespace {
struct Startup {  // the media flag says No: nothing is extracted
    Startup() {
        kit.write("ws.txt", "No\r\n");
        kit.forms->setFactory(FormId::startup, [this](Forms& f) -> Form* {
            auto* w = new StartupWindow(f, StartupWindow::embedded());
            w->onQuit = [this] { ++quits; };
            return w;
        });
        kit.forms->load(FormId::startup);
    }
    ShellKit kit;
    int quits = 0;
};
void pick(QComboBox* box, const char* name) { box->setCurrentIndex(box->findText(name)); }
bool running(GameWindow* g) { return g->moveTimer.Enabled() && g->tankShotTimer.Enabled(); }
}  // namespace

class TitleWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the Enter that closed another window also choosing "New Game", and
    // keys acting on the title while another window is in front.
    void onlyPressesMadeWithTheTitleInFrontAct() {
        ShellKit k;
        k.forms->show(FormId::titleMenu);
        auto* w = k.get<TitleMenuWindow>(FormId::titleMenu);
        k.clock.advance(1100);  // past the first second, which ignores Start
        k.keys.tap(13);
        k.clock.advance(100);
        QCOMPARE(k.loads[FormId::namePrompt], 0);  // not in front
        k.front(FormId::titleMenu);
        k.keys.keyDown(13);  // pressed in the window that just closed
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(w, &activate);
        k.clock.advance(500);
        QCOMPARE(k.loads[FormId::namePrompt], 0);
        k.keys.keyUp(13);
        k.keys.tap(13);
        k.clock.advance(100);
        QCOMPARE(k.loads[FormId::namePrompt], 1);
    }

    // Guards a frame drawn only where the scene moves differing anywhere from one drawn whole.
    void framesDrawnInPartsMatchFramesDrawnWhole() {
        ShellKit k;
        k.forms->show(FormId::titleMenu);
        k.front(FormId::titleMenu);
        auto* w = k.get<TitleMenuWindow>(FormId::titleMenu);
        for (int tick = 0; tick < 25; ++tick) {  // the top strip steps twice; the highlight moves
            if (tick == 12) k.keys.tap(40);
            k.clock.advance(100);
            TitleCanvas whole;  // a new canvas draws everything
            whole.draw(w->scene());
            QVERIFY2(w->renderer().canvas() == whole.renderer().canvas(), qPrintable(QString::number(tick)));
        }
    }

    // Guards a restart keeping old bindings or window flags.
    void startResetsFlagsAndButtonMap() {
        Startup s;
        ButtonMap& k = s.kit.app->globals.keys;
        k = ButtonMap{65, 1, 2, 3, 4, 5, 6, 7, 8, 9, 101, 9};
        s.kit.app->globals.flags.gameShowing = s.kit.app->globals.flags.upgradesShowing = true;
        s.kit.forms->unload(FormId::startup);
        s.kit.forms->unload(FormId::titleMenu);
        s.kit.forms->load(FormId::startup);
        const int defaults[12] = {32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16};
        const Int16* map[12] = {&k.keyA,  &k.keyB,    &k.keyC,    &k.keyX,     &k.keyY,     &k.keyZ,
                                &k.keyUp, &k.keyDown, &k.keyLeft, &k.keyRight, &k.keyStart, &k.keySelect};
        for (int i = 0; i < 12; ++i) QCOMPARE(int(*map[i]), defaults[i]);
        const WindowFlags& f = s.kit.app->globals.flags;
        QVERIFY(f.mainMenuShowing && !f.gameShowing && !f.upgradesShowing);
        QVERIFY(s.kit.forms->find(FormId::titleMenu)->isVisible());
    }

    // Guards the exit watchdog ending the program under an open window, or
    // never; and a program left running with no window shown for a second.
    void watchdogWaitsWhileAWindowCountsAsOpenAndShown() {
        Startup s;
        s.kit.clock.advance(1000);
        QCOMPARE(s.quits, 0);
        WindowFlags& f = s.kit.app->globals.flags;
        f.mainMenuShowing = false;
        for (bool WindowFlags::*flag :
             {&WindowFlags::loadShowing, &WindowFlags::gameShowing, &WindowFlags::highScoresShowing,
              &WindowFlags::buttonConfigShowing, &WindowFlags::nameShowing, &WindowFlags::aboutShowing,
              &WindowFlags::optionsShowing}) {
            f.*flag = true;
            s.kit.clock.advance(300);
            QCOMPARE(s.quits, 0);
            f.*flag = false;
        }
        f.gameShowing = true;  // a flag nobody will clear
        bool shown = true;
        s.kit.get<StartupWindow>(FormId::startup)->anyWindowShown = [&] { return shown; };
        s.kit.clock.advance(500);
        shown = false;
        s.kit.clock.advance(900);
        shown = true;  // a window came back in time: the count starts again
        s.kit.clock.advance(100);
        shown = false;
        s.kit.clock.advance(900);
        QCOMPARE(s.quits, 0);
        s.kit.clock.advance(100);
        QCOMPARE(s.quits, 1);
    }

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
            if (closeBox)
                w->close();
            else
                QTest::keyClick(w->aKeyBox, Qt::Key_Return);
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

VRH_QT_TEST(TitleWindowsTest)
#include "title_windows_test.moc"
