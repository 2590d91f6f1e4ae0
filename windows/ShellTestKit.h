#pragma once
// The program's windows over a scratch folder, with scripted keys, boxes and
// sound device and a virtual clock. Windows a test does not look into are
// stand-ins that count their loads (the title's keeps its flag).
#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "windows/play/GameWindowWidget.h"
#include "meta/SaveSlots.h"
#include "meta/TextFile.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/RecordingAudio.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "ui/QtPlatform.h"
#include "shell/App.h"
#include "audio/MediaTable.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"
#include "tests/support/ScratchFolder.h"

namespace vrh::test {

class StandIn : public Form {
public:
    StandIn(Forms& f, FormId id, int& loads, std::vector<FormId>& unloads) : Form(f, id), loads_(loads), unloads_(unloads) {}
    void onLoad() override {
        ++loads_;
        if (id() == FormId::titleMenu) app().globals.flags.mainMenuShowing = true;
    }
    void onUnload() override {
        unloads_.push_back(id());
        if (id() == FormId::titleMenu) app().globals.flags.mainMenuShowing = false;
    }

private:
    int& loads_;
    std::vector<FormId>& unloads_;
};

struct Kit {
    struct Setup {
        bool shellWindows = false;  // real title, start-up and dialogs, stand-in meta windows; else the reverse
        bool gameWindow = true;
        bool titleStandIn = true;   // meta windows only
        bool mediaFiles = false;    // empty files: every player opens a file of its own
        std::string folder{};         // empty: a fresh one of its own
        bool liveForeground = false;  // the window in front is Qt's active window, not scripted
    };
    explicit Kit(Setup s) : folder(std::move(s.folder)) {
        if (folder.empty()) folder = scratch.emplace("vrh_kit").string();
        if (s.mediaFiles)
            for (const MediaEntry& m : kMediaTable) std::ofstream(folder + std::string(m.fileText));
        app = std::make_unique<App>(audio, keys, s.liveForeground ? static_cast<Foreground&>(liveFg) : fg, msg, folder);
        forms = std::make_unique<Forms>(*app, clock);
        if (s.gameWindow) registerPlayWindows(*forms);
        std::vector<FormId> standIns;
        if (s.shellWindows) {
            registerTitleWindows(*forms);
            standIns = {FormId::namePrompt, FormId::saveSlots, FormId::highScores, FormId::upgradeShop};
        } else {
            registerProgressWindows(*forms);
            if (s.titleStandIn) standIns = {FormId::titleMenu};
        }
        for (FormId id : standIns)
            forms->setFactory(id, [this, id](Forms& f) -> Form* { return new StandIn(f, id, loads[id], standInUnloads); });
    }
    ~Kit() {
        setWriteFaultForTesting(nullptr);
        forms->unloadAll();
        forms.reset();
        flush();
    }
    // Unloaded windows are deleted once the event loop comes round.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class T> T* get(FormId id) { return forms->findAs<T>(id); }
    GameWindow* game() {
        auto* w = get<GameWindowWidget>(FormId::game);
        return w ? &w->model() : nullptr;
    }
    void front(FormId id) { fg.setForeground(forms->find(id) ? forms->find(id)->handle() : nullptr); }
    void tick(int ms) { clock.advance(ms); }
    int commands(const std::string& c) const { return audio.count(c); }

    std::string file(const char* name) const { return app->file(name).string(); }
    std::string read(const char* name) const { return readTextFile(file(name)).value_or("<missing>"); }
    void write(const char* name, const std::string& text) const { std::ofstream(file(name), std::ios::binary) << text; }
    // Every rewrite of `name` fails, as on a full disk.
    void blockWrites(const char* name) const {
        setWriteFaultForTesting([target = app->file(name)](const std::filesystem::path& f) { return f == target; });
    }

    std::optional<ScratchFolder> scratch;
    std::string folder;
    RecordingAudio audio;
    ScriptedKeys keys;
    ScriptedForeground fg;
    QtForeground liveFg;
    ScriptedMessageBoxes msg;
    VirtualClock clock;
    std::map<FormId, int> loads;
    std::vector<FormId> standInUnloads;
    std::unique_ptr<App> app;
    std::unique_ptr<Forms> forms;
};

// The shell windows over a running game (empty media files unless told).
struct ShellKit : Kit {
    explicit ShellKit(bool mediaFiles = true, std::string folderPath = {})
        : Kit({.shellWindows = true, .mediaFiles = mediaFiles, .folder = std::move(folderPath)}) {}
};

// A dialog opened from the running game's menu, which freezes the game.
struct OverGame : ShellKit {
    explicit OverGame(void (GameWindowWidget::*menuItem)(), std::string folderPath = {})
        : ShellKit(true, std::move(folderPath)), menu(menuItem) {
        forms->show(FormId::game);
        game = Kit::game();
        open();
    }
    void open() { (get<GameWindowWidget>(FormId::game)->*menu)(); }
    int tankShots() const { return commands("play " + app->snd.tankShotSound.fileName()); }
    void (GameWindowWidget::*menu)();
    GameWindow* game = nullptr;
};

// The meta windows, with or without the game window and a title stand-in.
struct Rig : Kit {
    explicit Rig(bool gameWindow = true, bool titleStandIn = true, std::string folderPath = {})
        : Kit({.gameWindow = gameWindow, .titleStandIn = titleStandIn, .folder = std::move(folderPath)}) {}
};

}  // namespace vrh::test
