#pragma once
// The start-up window. It is never shown: its load step prepares the
// run (media paths, window flags, the media files on the first start, the
// default button map) and opens the title menu; its timer `watchdogTimer` is the
// exit watchdog that ends the program once no window is open any more.
#include <functional>

#include "shell/Extraction.h"
#include "ui/Forms.h"

namespace vrh {

// The media embedded in the executable (":/media/<id>").
class EmbeddedMedia : public ResourceSource {
public:
    std::optional<std::string> LoadResData(int resId) const override;
};

class StartupWindow : public Form {
    Q_OBJECT
public:
    explicit StartupWindow(Forms& forms, const ResourceSource& media = embedded());
    static const ResourceSource& embedded();

    void onLoad() override;
    void onWatchdogTick();

    // Writes one embedded resource to a file (see shell/Extraction.h).
    ResToFileResult ResToFile(const std::filesystem::path& fileName, int resId, bool overwrite = false) const;

    const ExtractionOutcome& extraction() const { return extraction_; }

    Timer watchdogTimer{100, true};
    // Ends the program once every window is gone.
    std::function<void()> onQuit;
    // Whether any window of the program can be seen (a message box counts).
    std::function<bool()> anyWindowShown;
    static constexpr int kTicksNothingShownToEnd = 10;  // one second of watchdogTimer

private:
    const ResourceSource& media_;
    ExtractionOutcome extraction_;
    int ticksNothingShown_ = 0;
};

}  // namespace vrh
