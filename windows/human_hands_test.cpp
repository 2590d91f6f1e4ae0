// The first minute of play as a person presses keys: every press held a
// random 60-250 ms, with gaps of 50-400 ms, over many seeds. One press must
// act once, in the window where it began.
#include <QLineEdit>
#include <QtTest>

#include <random>

#include "tests/support/QtTestMain.h"
#include "windows/ShellTestKit.h"
#include "windows/progress/NamePromptWindow.h"
#include "windows/title/TitleMenuWindow.h"

using namespace vrh;
using namespace vrh::test;

namespace {
constexpr int kEnter = 13, kDown = 40, kUp = 38;

// Real title, name prompt and game window; Qt's active window is in front.
struct Hands {
    explicit Hands(unsigned seed) : rng(seed), kit({.liveForeground = true}) {
        kit.forms->setFactory(FormId::titleMenu, [](Forms& f) -> Form* { return new TitleMenuWindow(f); });
        kit.forms->show(FormId::titleMenu);
        settle(1100);  // the title takes keys after its first second
    }
    // The clock in 10 ms steps, the event loop delivering activations in
    // between, so that a window opened mid-press polls in time.
    void settle(int ms) {
        for (int done = 0; done < ms; done += 10) {
            QCoreApplication::processEvents();
            kit.clock.advance(std::min(10, ms - done));
        }
        QCoreApplication::processEvents();
    }
    void press(int vk) {
        kit.keys.keyDown(vk);
        settle(std::uniform_int_distribution<int>(60, 250)(rng));
        kit.keys.keyUp(vk);
        settle(std::uniform_int_distribution<int>(50, 400)(rng));
    }
    int highlighted() { return kit.get<TitleMenuWindow>(FormId::titleMenu)->scene().highlighted(); }
    std::mt19937 rng;
    Kit kit;
};
}  // namespace

class HumanHandsTest : public QObject {
    Q_OBJECT
private slots:
    void onePressActsOnceInTheWindowWhereItBegan() {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            const QByteArray why = "seed " + QByteArray::number(seed);
            Hands h(seed);
            h.press(kDown);
            QVERIFY2(h.highlighted() == 1, why + ": one Down, one entry");
            h.press(kUp);
            QVERIFY2(h.highlighted() == 0, why + ": one Up, one entry");
            h.press(kEnter);  // "New Game"
            auto* prompt = h.kit.get<NamePromptWindow>(FormId::namePrompt);
            QVERIFY2(prompt && prompt->isVisible() && h.kit.msg.shown().empty(),
                     why + ": the Enter that chose New Game answered the prompt");
            prompt->nameEdit->setText("Hands");
            h.press(kEnter);
            h.settle(2000);
            GameWindow* game = h.kit.game();
            QVERIFY2(game && !game->paused() && game->moveTimer.Enabled(),
                     why + ": the Enter that confirmed the name paused the run");
            h.press(kEnter);
            QVERIFY2(game->paused(), why + ": one Enter pauses");
            h.press(kDown);
            QVERIFY2(game->mainMenuLabel.selected, why + ": one Down chooses MainMenu");
            h.press(kUp);
            h.press(kEnter);
            QVERIFY2(!game->paused(), why + ": Enter on Resume resumes");
        }
    }
};

VRH_QT_TEST(HumanHandsTest)
#include "human_hands_test.moc"
