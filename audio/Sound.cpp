#include "audio/Sound.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "platform/ShortPath.h"

namespace vrh {
namespace {

bool digitAt(const std::string& text, size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

// Moves i past the digits there; how many it passed.
size_t skipDigits(const std::string& text, size_t& i) {
    size_t digits = 0;
    while (digitAt(text, i)) ++i, ++digits;
    return digits;
}

// Where an exponent ('e' or 'E', optional sign, digits) starting at i ends;
// i itself when there is none there.
size_t exponentEnd(const std::string& text, size_t i) {
    if (!(i < text.size() && (text[i] == 'e' || text[i] == 'E'))) return i;
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    return skipDigits(text, j) > 0 ? j : i;
}

// Leading number of a reply: optional blanks and sign, digits with an
// optional fraction and exponent. Anything that does not start like a
// number reads as 0.
double leadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = skipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits(text, i);
    }
    if (digits == 0) return 0;
    i = exponentEnd(text, i);
    std::string_view number(text.data() + start, i - start);
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

// Shortest decimal text of a float, never in exponent form (1500, 2.5).
std::string floatText(float value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string twoDigits(int64_t n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

bool endsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Sound::~Sound() {
    if (Status() != "stopped") SoundStop();
    FileClose();
}

std::string Sound::send(const std::string& command) { return device_->mciSendString(command); }

void Sound::sendVolume() {
    send("setaudio " + deviceName_ + " volume to " + std::to_string(int64_t(Volume_) * 10));
}

bool Sound::IsPlayableFile(std::string& fileName) {
    for (char& c : fileName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view ext : {".wave", ".wav", ".wma", ".cda", ".mp3"})
        if (endsWith(fileName, ext)) return true;
    return false;
}

void Sound::FileOpen(std::string fileName) {
    if (!IsPlayableFile(fileName)) return;
    FileName_ = fileName;
    deviceName_ = GetShortName(FileName_);
    send("Open " + deviceName_ + " wait");
    sendVolume();
}

void Sound::FileClose() {
    if (FileName_.empty()) return;
    send("Close " + deviceName_);
    FileName_.clear();
}

void Sound::SoundPause() {
    if (!FileName_.empty()) send("Pause " + deviceName_);
}

void Sound::SoundResume() {
    if (!FileName_.empty()) send("Resume " + deviceName_);
}

void Sound::SoundPlay() {
    if (FileName_.empty()) return;
    if (!Mute_) sendVolume();
    send("Seek " + deviceName_ + " to 0");
    send(Wait_ ? "Play " + deviceName_ + " wait" : "Play " + deviceName_);
}

void Sound::SoundStop() {
    if (FileName_.empty()) return;
    send("Seek " + deviceName_ + " to 0");
    send("Stop " + deviceName_);
}

void Sound::SoundStart(float start, float finish) {
    if (!Mute_) sendVolume();
    if (finish == 0) finish = Length();
    send("play " + deviceName_ + " from " + floatText(start) + " to " + floatText(finish));
}

void Sound::setFileName(std::string name) {
    if (IsPlayableFile(name)) FileOpen(name);
}

float Sound::Length() {
    if (FileName_.empty()) return 0;
    return static_cast<float>(leadingNumber(send("Status " + deviceName_ + " length")));
}

float Sound::Position() {
    if (FileName_.empty()) return 0;
    return static_cast<float>(leadingNumber(send("Status " + deviceName_ + " position")));
}

std::string Sound::Status() {
    if (FileName_.empty()) return {};
    std::string reply = send("Status " + deviceName_ + " mode");
    // The reply buffer is read up to its first NUL.
    if (auto nul = reply.find('\0'); nul != std::string::npos) reply.resize(nul);
    return reply;
}

void Sound::setVolume(int32_t percent) {
    Volume_ = percent;  // the volume command carries the new value
    if (Mute_)
        send("setaudio " + deviceName_ + " volume to 0");
    else
        sendVolume();
}

void Sound::setMute(bool m) {
    Mute_ = m;
    if (m)
        send("setaudio " + deviceName_ + " volume to 0");
    else
        sendVolume();
}

std::string Sound::Time(int32_t milliseconds) {
    // Negative durations keep the sign in front of the usual layout.
    int64_t ms = milliseconds;
    const bool negative = ms < 0;
    if (negative) ms = -ms;
    int64_t seconds = ms / 1000;
    int64_t minutes = seconds / 60;
    const int64_t hours = minutes / 60;
    seconds %= 60;
    minutes %= 60;
    return (negative ? "-" : "") + twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

}  // namespace vrh
