// The running program polls the controllers often only while one is
// connected; with none it looks four times a second for one being plugged in.
#include <SDL.h>

#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "game/GameState.h"
#include "platform/KeyState.h"
#include "ui/QtGamepad.h"

using namespace vrh;

class GamepadPollTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a plugged-in controller going unnoticed, or fast polling with none.
    void pollsOftenOnlyWhileAControllerIsConnected() {
        KeyboardTracker keys;
        ButtonMap map;
        QtGamepad pad(keys, map);
        if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) QSKIP("no SDL game-controller support here");
        QCOMPARE(pad.pollInterval(), QtGamepad::kIdlePollMs);

        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        QVERIFY2(index >= 0, SDL_GetError());
        QTRY_COMPARE_WITH_TIMEOUT(pad.pollInterval(), QtGamepad::kPollMs, 3 * QtGamepad::kIdlePollMs);

        SDL_JoystickDetachVirtual(index);
        QTRY_COMPARE_WITH_TIMEOUT(pad.pollInterval(), QtGamepad::kIdlePollMs, 500);
    }
};

VRH_QT_TEST(GamepadPollTest)
#include "gamepad_poll_test.moc"
