#include "platform/RecordingAudio.h"

#include <algorithm>
#include <charconv>

namespace vrh {
namespace {

// Shortest plain decimal of a time (2000, 2.5), never in exponent form.
std::string msText(double ms) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, ms, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : "?";
}

}  // namespace

bool RecordingAudio::record(TrackId track, const std::string& verb, const std::string& rest) {
    auto it = paths_.find(track);
    if (it == paths_.end()) return false;
    calls.push_back(verb + " " + it->second + rest);
    return true;
}

RecordingAudio::Answer RecordingAudio::answer(TrackId track) const {
    auto path = paths_.find(track);
    if (path == paths_.end()) return {};
    auto it = answers.find(path->second);
    return it == answers.end() ? Answer{} : it->second;
}

TrackId RecordingAudio::open(const std::string& path) {
    calls.push_back("open " + path);
    const TrackId track = forward ? forward->open(path) : path.empty() ? TrackId::None : TrackId(++lastId_);
    if (track != TrackId::None) paths_[track] = path;
    return track;
}

void RecordingAudio::close(TrackId track) {
    if (!record(track, "close")) return;
    paths_.erase(track);
    if (forward) forward->close(track);
}

void RecordingAudio::play(TrackId track, double fromMs, double toMs) {
    const bool whole = fromMs == 0 && toMs == 0;
    if (record(track, "play", whole ? "" : " from " + msText(fromMs) + " to " + msText(toMs)) && forward)
        forward->play(track, fromMs, toMs);
}

void RecordingAudio::stop(TrackId track) {
    if (record(track, "stop") && forward) forward->stop(track);
}

void RecordingAudio::pause(TrackId track) {
    if (record(track, "pause") && forward) forward->pause(track);
}

void RecordingAudio::resume(TrackId track) {
    if (record(track, "resume") && forward) forward->resume(track);
}

void RecordingAudio::setVolume(TrackId track, int percent) {
    if (record(track, "volume", " " + std::to_string(percent)) && forward) forward->setVolume(track, percent);
}

TrackMode RecordingAudio::mode(TrackId track) { return forward ? forward->mode(track) : answer(track).mode; }

int64_t RecordingAudio::lengthMs(TrackId track) {
    return forward ? forward->lengthMs(track) : answer(track).lengthMs;
}

int64_t RecordingAudio::positionMs(TrackId track) {
    return forward ? forward->positionMs(track) : answer(track).positionMs;
}

int RecordingAudio::count(const std::string& call) const {
    return int(std::count(calls.begin(), calls.end(), call));
}

}  // namespace vrh
