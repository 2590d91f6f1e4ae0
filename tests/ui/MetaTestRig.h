#pragma once
// What the window tests of the between-levels windows share: an App over a
// temporary folder with scripted keys, boxes and sound device, driven by a
// virtual clock, and a stand-in for the title menu that records being shown.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include <fstream>
#include <memory>

#include "meta/SaveSlots.h"
#include <sstream>
#include <string>

#include "combat/ui/FrmVarnholt.h"
#include "meta/TextFile.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/Mci.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "shell/App.h"
#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"
#include "tests/support/ScratchFolder.h"

namespace vrh::testing {

// The title menu as these tests need it: a window that can be shown and
// closed, counting how often it was loaded.
class TitleStub : public Form {
public:
    explicit TitleStub(Forms& f, int& loads) : Form(f, FormId::frmMainForm), loads_(loads) {}
    void Form_Load() override {
        ++loads_;
        app().globals.flags.mainMenuShowing = true;
    }
    void Form_Unload() override { app().globals.flags.mainMenuShowing = false; }

private:
    int& loads_;
};

struct Rig {
    test::ScratchFolder dir{"vrh-meta"};
    RecordingMci mci;
    ScriptedKeys keys;
    ScriptedForeground fg;
    ScriptedMessageBoxes msg;
    VirtualClock clock;
    std::unique_ptr<App> app;
    std::unique_ptr<Forms> forms;
    int titleLoads = 0;

    // gameWindow: register the real game window; titleStub: a stand-in title;
    // folder: the application folder (default: a fresh one of its own).
    explicit Rig(bool gameWindow = true, bool titleStub = true, std::filesystem::path folder = {}) {
        app = std::make_unique<App>(mci, keys, fg, msg, folder.empty() ? dir.path() : folder);
        forms = std::make_unique<Forms>(*app, clock);
        registerMetaForms(*forms);
        if (gameWindow) registerGameForms(*forms);
        if (titleStub)
            forms->setFactory(FormId::frmMainForm,
                              [this](Forms& f) -> Form* { return new TitleStub(f, titleLoads); });
    }
    ~Rig() {
        forms->unloadAll();
        flushDeletes();
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::filesystem::path path(const char* name) const { return app->file(name); }
    std::string read(const char* name) const { return readTextFile(path(name)).value_or("<missing>"); }
    void write(const char* name, const std::string& text) const {
        std::ofstream out(path(name), std::ios::binary);
        out << text;
    }
    bool exists(const char* name) const { return std::filesystem::exists(path(name)); }
    // Makes every rewrite of `name` fail: its temporary file cannot be created.
    void blockWrites(const char* name) const {
        std::filesystem::create_directory(path((std::string(name) + ".tmp").c_str()));
    }

    template <class T> T* get(FormId id) { return forms->findAs<T>(id); }
    GameWindow* game() {
        auto* w = forms->findAs<FrmVarnholt>(FormId::frmVarnholt);
        return w ? &w->model() : nullptr;
    }
    void tick(int ms) { clock.advance(ms); }
};

// Lines of a CR LF text (the last line end does not start another line).
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

}  // namespace vrh::testing
