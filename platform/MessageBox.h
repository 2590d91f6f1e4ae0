#pragma once
// Message boxes: the Yes/No question (question icon, No the default button)
// and the OK-only notice. Both block until answered and return the button.
#include <deque>
#include <string>
#include <vector>

namespace vrh {

enum class MsgButton { Ok = 1, Yes = 6, No = 7 };

// The application's default title, used by boxes that give none.
inline const std::string kAppTitle = "Varnholt";

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgButton question(const std::string& text, const std::string& title) = 0;
    virtual MsgButton notice(const std::string& text, const std::string& title = kAppTitle) = 0;
};

// Answers questions from a queue (No when it runs dry, like a player who
// just presses Enter on the default button) and records every box shown.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        bool isQuestion;
        std::string text;
        std::string title;
    };

    void answer(MsgButton b) { answers_.push_back(b); }
    MsgButton question(const std::string& text, const std::string& title) override;
    MsgButton notice(const std::string& text, const std::string& title = kAppTitle) override;

    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::deque<MsgButton> answers_;
    std::vector<Shown> shown_;
};

}  // namespace vrh
