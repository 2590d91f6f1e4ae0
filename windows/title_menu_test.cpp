// The title menu window: the windows it opens, focus, F1, drawing, music.
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "windows/title/TitleMenuWindow.h"
#include "windows/title/TitleCanvas.h"
#include "windows/ShellTestKit.h"

using namespace vrh;
using namespace vrh::test;

namespace {

struct Title {
    Title() {
        kit.forms->show(FormId::titleMenu);
        kit.front(FormId::titleMenu);
    }
    TitleMenuWindow* w() { return kit.get<TitleMenuWindow>(FormId::titleMenu); }
    void press(int vk) {
        kit.keys.tap(vk);
        kit.clock.advance(100);
    }
    ShellKit kit;
};

}  // namespace

class TitleMenuTest : public QObject {
    Q_OBJECT
private slots:
    // Guards New Game opening the prompt while not allowed, or over a name already taken.
    void newGameOpensTheNamePromptOnlyWhenAllowed() {
        Title t;
        QCOMPARE(t.kit.commands("play " + t.kit.app->snd.titleOpeningSound.fileName()), 1);
        t.kit.clock.advance(1100);  // past the first second, which ignores Start
        t.kit.app->globals.newGameAllowed = false;
        t.press(13);
        t.kit.app->globals.newGameAllowed = true;
        t.kit.app->globals.playerName = "Ann";
        t.press(13);
        QCOMPARE(t.kit.loads[FormId::namePrompt], 0);
        t.kit.app->globals.playerName.clear();
        t.press(13);
        QCOMPARE(t.kit.loads[FormId::namePrompt], 1);
        QVERIFY(t.kit.forms->find(FormId::namePrompt)->isVisible());
        QVERIFY(t.w());  // the title stays open under the prompt
    }

    // Guards the Enter that closed another window also choosing "New Game".
    void aKeyHeldWhenTheTitleComesToTheFrontActsOnlyWhenPressedAgain() {
        Title t;
        t.kit.clock.advance(1000);
        t.kit.keys.keyDown(13);  // pressed in the window that just closed
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(t.w(), &activate);
        t.kit.clock.advance(500);
        QCOMPARE(t.kit.loads[FormId::namePrompt], 0);
        t.kit.keys.keyUp(13);
        t.press(13);
        QCOMPARE(t.kit.loads[FormId::namePrompt], 1);
    }

    // Guards keys acting on the title while another window is in front.
    void keysCountOnlyWithTheTitleInFront() {
        Title t;
        t.kit.clock.advance(1000);
        t.kit.fg.setForeground(nullptr);
        t.press(13);
        QCOMPARE(t.kit.loads[FormId::namePrompt], 0);
        QVERIFY(!t.w()->scene().inFront);
    }

    // Guards Load and High Scores: the window opened, the title closed with its music and timers.
    void loadAndHighScoresOpenTheirWindowAndCloseTheTitle() {
        for (bool load : {true, false}) {
            Title t;
            t.kit.clock.advance(1000);
            t.kit.app->globals.loadMode = false;
            t.kit.app->g.score = 777;
            for (int vk : load ? std::vector<int>{40} : std::vector<int>{38, 38}) t.press(vk);
            t.press(13);
            const FormId opened = load ? FormId::saveSlots : FormId::highScores;
            QCOMPARE(t.kit.loads[opened], 1);
            QVERIFY(!t.kit.forms->loaded(FormId::titleMenu) && !t.kit.app->globals.flags.mainMenuShowing);
            QVERIFY(!t.kit.app->snd.titleOpeningSound.isOpen() && !t.kit.app->snd.titleLoopSound.isOpen());
            if (load) QVERIFY(t.kit.app->globals.loadMode && t.kit.app->globals.flags.loadShowing);
            else QCOMPARE(int64_t(t.kit.app->g.score), int64_t(0));  // the table opens with no run
            t.kit.clock.advance(500);  // its timers went with it
            QCOMPARE(t.kit.loads[opened], 1);
        }
    }

    // Guards F1 acting in the first second, or not toggling back.
    void f1TogglesMaximised() {
        Title t;
        t.press(112);
        QVERIFY(!(t.w()->windowState() & Qt::WindowMaximized));
        t.kit.clock.advance(1000);
        t.press(112);
        QVERIFY(t.w()->windowState() & Qt::WindowMaximized);
        t.press(112);
        QVERIFY(!(t.w()->windowState() & Qt::WindowMaximized));
    }

    // Guards the highlight not drawn, or not following the selection.
    void drawsTheHighlightedEntryInGreen() {
        Title t;
        const QImage& c = t.w()->renderer().canvas();
        auto pixels = [&](QRect r, QRgb colour) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) n += (c.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
            return n;
        };
        const QRect newGame(216, 400, 100, 24), load(243, 432, 60, 24);
        t.kit.clock.advance(1000);
        QVERIFY(pixels(newGame, qRgb(0, 255, 0)) > 10 && pixels(newGame, qRgb(255, 255, 0)) == 0);
        QVERIFY(pixels(load, qRgb(255, 255, 0)) > 10);
        t.press(40);
        QVERIFY(pixels(load, qRgb(0, 255, 0)) > 10 && pixels(newGame, qRgb(255, 255, 0)) > 10);
    }

    // Guards a frame drawn only where the scene moves differing anywhere from one drawn whole.
    void framesDrawnInPartsMatchFramesDrawnWhole() {
        Title t;
        for (int tick = 0; tick < 25; ++tick) {  // the top strip steps twice; the highlight moves
            if (tick == 12) t.press(40);
            else t.kit.clock.advance(100);
            TitleCanvas whole;  // a new canvas draws everything
            whole.draw(t.w()->scene());
            QVERIFY2(t.w()->renderer().canvas() == whole.renderer().canvas(), qPrintable(QString::number(tick)));
        }
    }

    // Guards the theme's second piece not starting, or playing on after the title closed.
    void titleThemeLoopsUntilTheTitleCloses() {
        Title t;
        const std::string d1 = t.kit.app->snd.titleOpeningSound.fileName(), d2 = t.kit.app->snd.titleLoopSound.fileName();
        t.kit.audio.answers[d1].positionMs = 25700;
        t.kit.audio.answers[d2].mode = TrackMode::Stopped;
        t.kit.clock.advance(1);
        QCOMPARE(t.kit.commands("play " + d2), 1);
        t.kit.forms->unload(FormId::titleMenu);
        QCOMPARE(t.kit.commands("stop " + d2), 1);
        QCOMPARE(t.kit.commands("close " + d2), 1);
        t.kit.clock.advance(10);
        QCOMPARE(t.kit.commands("play " + d2), 1);
    }
};

VRH_QT_TEST(TitleMenuTest)
#include "title_menu_test.moc"
