#pragma once
// The shell windows with every platform service scripted and a virtual clock.
// The game window is the real one; the meta windows (name prompt, slot
// picker, high scores, shop) are stand-ins that count their openings.
#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/Mci.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "shell/App.h"
#include "shell/MediaTable.h"
#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"
#include "tests/support/ScratchFolder.h"

namespace vrh::test {

class StandIn : public Form {
public:
    StandIn(Forms& f, FormId id, int& loads, std::vector<FormId>& unloads)
        : Form(f, id), loads_(loads), unloads_(unloads) {}
    void Form_Load() override { ++loads_; }
    void Form_Unload() override { unloads_.push_back(id()); }

private:
    int& loads_;
    std::vector<FormId>& unloads_;
};

struct ShellKit {
    // `appFolder` empty: a fresh folder of its own, lower case like the
    // players' paths, removed again at the end.
    explicit ShellKit(bool mediaFiles = true, std::string appFolder = {}) : folder(std::move(appFolder)) {
        if (folder.empty()) {
            owned = std::make_unique<test::ScratchFolder>("vrh_shell");
            folder = owned->string();
        }
        if (mediaFiles)  // empty files: every player gets a device name of its own
            for (const MediaEntry& m : kMediaTable) std::ofstream(folder + std::string(m.fileText));
        app = std::make_unique<App>(mci, keys, fg, boxes, folder);
        forms = std::make_unique<Forms>(*app, clock);
        registerGameForms(*forms);
        registerShellForms(*forms);
        for (FormId id : {FormId::frmName, FormId::frmLoad, FormId::frmHighScores, FormId::frmUpgrades})
            forms->setFactory(id, [this, id](Forms& f) -> Form* { return new StandIn(f, id, loads[id], standInUnloads); });
    }
    ~ShellKit() {
        forms.reset();
        flush();
    }
    // Windows that were unloaded are deleted once the event loop comes round.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <class T> T* get(FormId id) { return forms->findAs<T>(id); }
    void front(FormId id) { fg.setForeground(forms->find(id) ? forms->find(id)->handle() : nullptr); }
    int commands(const std::string& c) const {
        return int(std::count(mci.commands.begin(), mci.commands.end(), c));
    }
    std::string file(const char* name) const { return folder + "/" + name; }

    std::unique_ptr<test::ScratchFolder> owned;
    std::string folder;
    RecordingMci mci;
    ScriptedKeys keys;
    ScriptedForeground fg;
    ScriptedMessageBoxes boxes;
    VirtualClock clock;
    std::map<FormId, int> loads;
    std::vector<FormId> standInUnloads;
    std::unique_ptr<App> app;
    std::unique_ptr<Forms> forms;
};

}  // namespace vrh::test
