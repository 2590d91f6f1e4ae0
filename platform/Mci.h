#pragma once
// The media-control device: one command string in, the reply text out
// (empty when the command has no reply). Unknown or malformed commands do
// nothing and answer empty text.
#include <map>
#include <string>
#include <vector>

namespace vrh {

class MciDevice {
public:
    virtual ~MciDevice() = default;
    virtual std::string mciSendString(const std::string& command) = 0;
};

// Records every command; answers "Status" queries from a table set by the test
// (keyed by the whole command), empty text otherwise.
class RecordingMci : public MciDevice {
public:
    std::string mciSendString(const std::string& command) override {
        commands.push_back(command);
        if (forward) return forward->mciSendString(command);
        auto it = replies.find(command);
        return it == replies.end() ? std::string() : it->second;
    }
    std::vector<std::string> commands;
    std::map<std::string, std::string> replies;
    MciDevice* forward = nullptr;  // when set, a real device answers instead of `replies`
};

}  // namespace vrh
