#include "ui/NoDisplay.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace vrh {
namespace {

// The context's strings point into the code and the logging categories, so
// they stay valid until the message is printed.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler& previousHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

std::vector<HeldMessage>& held() {
    static std::vector<HeldMessage> messages;
    return messages;
}

const char* displayName() {
    if (const char* d = std::getenv("WAYLAND_DISPLAY"); d && *d) return d;
    if (const char* d = std::getenv("DISPLAY"); d && *d) return d;
    return nullptr;
}

void whileOpeningDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held().push_back({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    const char* name = displayName();
    if (name)
        std::fprintf(stderr,
                     "varnholt: cannot open a window on the display \"%s\"; start the game "
                     "on a running desktop.\n",
                     name);
    else
        std::fprintf(stderr,
                     "varnholt: no display to open a window on (DISPLAY is not set); start "
                     "the game on a desktop.\n");
    std::fflush(stderr);
    ::_exit(1);
}

}  // namespace

void exitCleanlyWithoutDisplay() { previousHandler() = qInstallMessageHandler(whileOpeningDisplay); }

void displayOpened() {
    qInstallMessageHandler(previousHandler());
    for (const HeldMessage& m : held())
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    held().clear();
}

}  // namespace vrh
