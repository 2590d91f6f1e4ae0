#pragma once
// What every benchmark needs: a GUI application for fonts and pictures (on
// the offscreen platform when no display is set), and a sound device that
// plays nothing.
#include <QGuiApplication>

#include <cstdlib>
#include <string>

#include "platform/AudioOutput.h"

namespace vrh::bench {

inline QGuiApplication& app() {
    static int argc = 1;
    static char arg0[] = "varnholt_bench";
    static char* argv[] = {arg0, nullptr};
    static QGuiApplication* a = [] {
        if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    return *a;
}

// Opens nothing, so every player stays silent.
class NullAudio : public AudioOutput {
public:
    TrackId open(const std::string&) override { return TrackId::None; }
    void close(TrackId) override {}
    void play(TrackId, double, double) override {}
    void stop(TrackId) override {}
    void pause(TrackId) override {}
    void resume(TrackId) override {}
    void setVolume(TrackId, int) override {}
    TrackMode mode(TrackId) override { return TrackMode::NotOpen; }
    int64_t lengthMs(TrackId) override { return 0; }
    int64_t positionMs(TrackId) override { return 0; }
};

}  // namespace vrh::bench
