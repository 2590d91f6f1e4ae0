#include "audio/Sound.h"

#include <cctype>
#include <string_view>

#include "platform/ShortPath.h"

namespace vrh {
namespace {

bool endsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool isPlayable(const std::string& lowerName) {
    for (std::string_view ext : {".wave", ".wav", ".wma", ".cda", ".mp3"})
        if (endsWith(lowerName, ext)) return true;
    return false;
}

}  // namespace

void Sound::open(std::string fileName) {
    for (char& c : fileName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!isPlayable(fileName)) return;
    fileName_ = fileName;
    open_ = true;
    const std::string found = GetShortName(fileName_);  // empty when missing
    track_ = found.empty() ? TrackId::None : device_->open(found);
    if (track_ == TrackId::None) return;
    device_->setVolume(track_, volume_);
}

void Sound::close() {
    if (track_ != TrackId::None) device_->close(track_);
    open_ = false;
    track_ = TrackId::None;
}

void Sound::play() { playRange(0, 0); }

void Sound::playRange(double fromMs, double toMs) {
    if (track_ == TrackId::None) return;
    if (!muted_) sendVolume();
    device_->play(track_, fromMs, toMs);
}

void Sound::stop() {
    if (track_ != TrackId::None) device_->stop(track_);
}

void Sound::pause() {
    if (track_ != TrackId::None) device_->pause(track_);
}

void Sound::resume() {
    if (track_ != TrackId::None) device_->resume(track_);
}

TrackMode Sound::mode() const { return track_ == TrackId::None ? TrackMode::NotOpen : device_->mode(track_); }

int64_t Sound::lengthMs() const { return track_ == TrackId::None ? 0 : device_->lengthMs(track_); }

int64_t Sound::positionMs() const { return track_ == TrackId::None ? 0 : device_->positionMs(track_); }

void Sound::setVolume(int32_t percent) {
    volume_ = percent;
    if (track_ != TrackId::None) sendVolume();
}

void Sound::setMuted(bool muted) {
    muted_ = muted;
    if (track_ != TrackId::None) sendVolume();
}

}  // namespace vrh
