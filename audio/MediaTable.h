#pragma once
// The nineteen media files: resource id, file name in the application folder.
#include <array>
#include <string>
#include <string_view>

namespace vrh {

struct MediaEntry {
    int resourceId;
    std::string_view fileText;  // appended to the application folder
};

inline constexpr std::array<MediaEntry, 19> kMediaTable{{
    {101, "/bgm1.mp3"}, {102, "/bgm2.mp3"}, {103, "/bgm3.mp3"}, {104, "/bgm4.mp3"},  {105, "/bgm5.mp3"},
    {106, "/bgm6.mp3"}, {107, "/bgm7.mp3"}, {108, "/bgm8.mp3"}, {109, "/bgm9.mp3"},  {110, "/bgm10.mp3"},
    {111, "/es3.wav"},  {112, "/ex.wav"},   {113, "/hs.wav"},   {114, "/lvlup.wav"}, {115, "/mms.wav"},
    {116, "/ps2.wav"},  {117, "/ts1.mp3"},  {118, "/ts2.mp3"},  {119, "/ts.wav"},
}};

// The path globals: application folder + file text.
struct MediaPaths {
    std::array<std::string, 11> fileBgm;  // 1..10
    std::string fileEnemyShot, fileExplosion, fileHighScoreSnd, fileLevelUp;
    std::string fileMenuMove, filePlayerShot, fileTitle1, fileTitle2, fileTankShot;

    void compute(const std::string& appFolder) {
        fileHighScoreSnd = appFolder + "/hs.wav";
        fileTitle1 = appFolder + "/ts1.mp3";
        fileTitle2 = appFolder + "/ts2.mp3";
        fileMenuMove = appFolder + "/mms.wav";
        fileExplosion = appFolder + "/ex.wav";
        fileEnemyShot = appFolder + "/es3.wav";
        filePlayerShot = appFolder + "/ps2.wav";
        fileLevelUp = appFolder + "/lvlup.wav";
        fileTankShot = appFolder + "/ts.wav";
        for (int i = 1; i <= 10; ++i) fileBgm[i] = appFolder + "/bgm" + std::to_string(i) + ".mp3";
    }
};

}  // namespace vrh
