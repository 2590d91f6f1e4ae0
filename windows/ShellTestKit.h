#pragma once
// The program's windows over a scratch folder, with scripted keys, boxes and sound device and a virtual
// clock. Windows a test does not look into are stand-ins that count their loads (the title's keeps its flag).
#include <QCoreApplication>

#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "audio/MediaTable.h"
#include "meta/SaveSlots.h"
#include "meta/TextFile.h"
#include "platform/RecordingAudio.h"
#include "tests/support/ScratchFolder.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"
#include "windows/play/GameWindowWidget.h"

namespace vrh::test {

struct StandIn : Form {
    StandIn(Forms& f, FormId id, int& count) : Form(f, id), loads(count) {}
    void onLoad() override { ++loads, showing(true); }
    void onUnload() override { showing(false); }
    void showing(bool on) {  // the title's flag
        if (id() == FormId::titleMenu) app().globals.flags.mainMenuShowing = on;
    }
    int& loads;
};

// Which windows are real besides the game's: the meta windows (name prompt, save slots, high scores, shop)
// under a stand-in title, or the title, start-up and dialogs (and media files) over stand-in meta windows.
enum class Real { Progress, Shell };

struct Kit {
    explicit Kit(Real real = Real::Progress, std::string folderPath = {}) : folder(std::move(folderPath)) {
        if (folder.empty()) folder = scratch.emplace("vrh_kit").string();
        if (real == Real::Shell)  // empty files: every player opens a file of its own
            for (const MediaEntry& m : kMediaTable) std::ofstream(folder + std::string(m.fileText));
        app = std::make_unique<App>(audio, keys, fg, msg, folder);
        forms = std::make_unique<Forms>(*app, clock);
        registerPlayWindows(*forms);
        (real == Real::Shell ? registerTitleWindows : registerProgressWindows)(*forms);
        for (FormId id : real == Real::Shell ? std::vector{FormId::namePrompt, FormId::saveSlots,
                                                           FormId::highScores, FormId::upgradeShop}
                                             : std::vector{FormId::titleMenu})
            forms->setFactory(id, [this, id](Forms& f) -> Form* { return new StandIn(f, id, loads[id]); });
    }
    ~Kit() {
        setWriteFaultForTesting(nullptr);
        forms->unloadAll();
        forms.reset();
        flush();
    }
    // Unloaded windows are deleted once the event loop comes round.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class T>
    T* get(FormId id) {
        return forms->findAs<T>(id);
    }
    GameWindow* game() { return &get<GameWindowWidget>(FormId::game)->model(); }
    void front(FormId id) { fg.setForeground(forms->find(id) ? forms->find(id)->handle() : nullptr); }
    void tick(int ms) { clock.advance(ms); }
    void tap(int key, int ms = 100) { keys.tap(key), tick(ms); }  // read on the next poll
    bool loaded(FormId id) const { return forms->loaded(id); }
    bool visible(FormId id) const { return forms->find(id)->isVisible(); }
    WindowFlags& flags() { return app->globals.flags; }

    std::string file(const char* name) const { return app->file(name).string(); }
    std::string read(const char* name) const { return readTextFile(file(name)).value_or("<missing>"); }
    void write(const char* name, const std::string& text) const {
        std::ofstream(file(name), std::ios::binary) << text;
    }
    // Every rewrite of `name` fails, as on a full disk.
    void blockWrites(const char* name) const {
        setWriteFaultForTesting(
            [target = app->file(name)](const std::filesystem::path& f) { return f == target; });
    }

    std::optional<ScratchFolder> scratch;
    std::string folder;
    RecordingAudio audio;
    ScriptedKeys keys;
    ScriptedForeground fg;
    ScriptedMessageBoxes msg;
    VirtualClock clock;
    std::map<FormId, int> loads;
    std::unique_ptr<App> app;
    std::unique_ptr<Forms> forms;
};

// A dialog opened from the running game's menu, which freezes the game.
struct OverGame : Kit {
    explicit OverGame(void (GameWindowWidget::*menuItem)()) : Kit(Real::Shell), menu(menuItem) {
        forms->show(FormId::game);
        game = Kit::game();
        open();
    }
    void open() { (get<GameWindowWidget>(FormId::game)->*menu)(); }
    int tankShots() const { return audio.count("play " + app->snd.tankShotSound.fileName()); }
    void (GameWindowWidget::*menu)();
    GameWindow* game = nullptr;
};

}  // namespace vrh::test
