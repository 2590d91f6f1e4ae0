#pragma once
// What every benchmark needs: a GUI application for fonts and pictures (on
// the offscreen platform when no display is set), and a sound device that
// plays nothing.
#include <QGuiApplication>

#include <cstdlib>
#include <string>

#include "platform/Mci.h"

namespace vrh::bench {

inline QGuiApplication& app() {
    static int argc = 1;
    static char arg0[] = "varnholt_bench";
    static char* argv[] = {arg0, nullptr};
    static QGuiApplication* a = [] {
        if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    return *a;
}

class NullMci : public MciDevice {
public:
    std::string mciSendString(const std::string&) override { return {}; }
};

}  // namespace vrh::bench
