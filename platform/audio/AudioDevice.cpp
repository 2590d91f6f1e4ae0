#include "platform/audio/AudioDevice.h"
// placeholder until the device lands
namespace vrh {
namespace { class Silent : public MciDevice { public: std::string mciSendString(const std::string&) override { return {}; } }; }
std::unique_ptr<MciDevice> makeAudioDevice() { return std::make_unique<Silent>(); }
}
