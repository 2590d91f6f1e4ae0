#pragma once
// One media file played through the audio device. The player keeps the file
// name, its volume and mute; the device (audio/AudioDevice) decodes and plays.
#include <cstdint>
#include <string>

#include "platform/AudioOutput.h"

namespace vrh {

class Sound {
public:
    explicit Sound(AudioOutput& device) : device_(&device) {}
    ~Sound() { close(); }
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Only WAVE, WMA, CD audio and MP3 names open (any case); the name is kept
    // in lower case and the file found whatever the case of its letters. A
    // missing file keeps its name but plays nothing. A second open leaves the
    // first file to the device.
    void open(std::string fileName);
    void close();
    void play();                                     // from the start to the end
    void playRange(double fromMs, double toMs = 0);  // toMs 0: to the end
    void stop();                                     // and back to the start
    void pause();
    void resume();

    TrackMode mode() const;
    int64_t lengthMs() const;
    int64_t positionMs() const;

    void setVolume(int32_t percent);
    int32_t volume() const { return volume_; }
    void setMuted(bool muted);
    bool muted() const { return muted_; }

    const std::string& fileName() const { return fileName_; }  // the last one opened, kept after close
    bool isOpen() const { return open_; }

private:
    void sendVolume() { device_->setVolume(track_, muted_ ? 0 : volume_); }

    AudioOutput* device_;
    std::string fileName_;
    bool open_ = false;
    TrackId track_ = TrackId::None;
    int32_t volume_ = 50;
    bool muted_ = false;
};

}  // namespace vrh
