// Varnholt: the program starts with its start-up window, which shows the
// title menu; its exit watchdog ends the program when no window is left.
#include <QApplication>

#include <chrono>
#include <iostream>

#include "platform/AppFolder.h"
#include "audio/AudioDevice.h"
#include "ui/QtGamepad.h"
#include "ui/QtKeyboard.h"
#include "ui/NoDisplay.h"
#include "ui/QtPlatform.h"
#include "shell/App.h"
#include "shell/CommandLine.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"
#include "ui/Theme.h"

int main(int argc, char** argv) {
    // --version and --help answer before Qt looks for a display.
    if (const auto status = vrh::answerCommandLine(argc, argv, std::cout)) return *status;
    vrh::exitCleanlyWithoutDisplay();  // one plain line and status 1, not an abort
    QApplication qapp(argc, argv);
    vrh::displayOpened();
    QApplication::setApplicationName("Varnholt");
    QApplication::setQuitOnLastWindowClosed(false);  // the watchdog decides
    vrh::theme::apply(qapp);

    auto device = vrh::makeAudioDevice();
    vrh::QtKeyboard keyboard;
    vrh::QtForeground foreground;
    vrh::QtMessageBoxes boxes(keyboard);
    vrh::QtTimerDriver timers;

    vrh::App app(*device, keyboard, foreground, boxes, vrh::appFolder());
    vrh::QtGamepad gamepad(keyboard, app.globals.keys);  // controllers press the bound keys
    // Spawn rows vary from one start of the program to the next.
    app.rnd.seed(uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));

    vrh::Forms forms(app, timers);
    keyboard.dropKeyEvent = vrh::keyEventBelongsElsewhere;  // a press acts in the window where it began
    vrh::registerForms(forms);
    forms.load(vrh::FormId::startup);
    return QApplication::exec();
}
