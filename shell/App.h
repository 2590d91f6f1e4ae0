#pragma once
// Everything the windows share: the state of the run and the program-wide
// globals, the media paths and players, and the platform services.
#include <filesystem>

#include "game/GameState.h"
#include "meta/RefusedFiles.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/AudioOutput.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "audio/MediaTable.h"
#include "shell/Settings.h"
#include "audio/Sounds.h"

namespace vrh {

struct App {
    App(AudioOutput& device, KeyboardTracker& keyState, Foreground& foreground, MessageBoxes& boxes,
        std::filesystem::path folder)
        : audio(device), snd(device), keyboard(keyState), keys(keyState), fg(foreground), msg(boxes),
          refusedFiles(boxes), appFolder(std::move(folder)) {
        paths.compute(appFolder.string());
        settings = loadSettings(file(kSettingsFileName));
    }

    GameState g;
    Globals globals;
    MediaPaths paths;
    AudioOutput& audio;
    Sounds snd;
    KeyboardTracker& keyboard;  // windows that poll on their own make a KeyReader of it
    KeyState& keys;             // the shared reader
    Foreground& fg;
    MessageBoxes& msg;
    Random rnd;
    RefusedFiles refusedFiles;  // score and save files left alone this session
    std::filesystem::path appFolder;
    Settings settings;  // the player's preferences (settings.ini), saved on every change

    std::filesystem::path file(const char* name) const { return appFolder / name; }
};

}  // namespace vrh
