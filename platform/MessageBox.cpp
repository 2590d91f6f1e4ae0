#include "platform/MessageBox.h"

namespace vrh {

MsgButton ScriptedMessageBoxes::question(const std::string& text, const std::string& title) {
    shown_.push_back({true, text, title});
    if (answers_.empty()) return MsgButton::No;
    const MsgButton b = answers_.front();
    answers_.pop_front();
    return b;
}

MsgButton ScriptedMessageBoxes::notice(const std::string& text, const std::string& title) {
    shown_.push_back({false, text, title});
    return MsgButton::Ok;
}

}  // namespace vrh
