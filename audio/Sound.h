#pragma once
// One media file played through the media-control device. The object sends
// the device's command strings; the device (platform/audio) decodes and plays.
#include <cstdint>
#include <string>

#include "platform/Mci.h"

namespace vrh {

class Sound {
public:
    explicit Sound(MciDevice& device) : device_(&device) {}
    ~Sound();  // stops a file that is not "stopped", then closes it
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void FileOpen(std::string fileName);
    void FileClose();
    void SoundPause();
    void SoundResume();
    void SoundPlay();
    void SoundStop();
    void SoundStart(float start, float finish = 0);

    std::string FileName() const { return FileName_; }
    void setFileName(std::string name);
    bool Wait() const { return Wait_; }
    void setWait(bool w) { Wait_ = w; }
    float Length();
    void setPosition(float nPosition) { SoundStart(nPosition, 0); }
    float Position();
    std::string Status();
    void setVolume(int32_t percent);
    int32_t Volume() const { return Volume_; }
    bool Mute() const { return Mute_; }
    void setMute(bool m);
    // "hh:mm:ss" of a duration (hours and minutes at least two digits).
    static std::string Time(int32_t milliseconds);

    const std::string& deviceName() const { return deviceName_; }

private:
    static bool IsPlayableFile(std::string& fileName);
    void sendVolume();
    std::string send(const std::string& command);

    MciDevice* device_;
    std::string FileName_;
    bool Wait_ = false;
    int32_t Volume_ = 50;
    bool Mute_ = false;
    std::string deviceName_;
};

}  // namespace vrh
