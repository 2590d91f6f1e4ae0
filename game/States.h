#pragma once
// The state strings of the small enemies, compared exactly.
#include <array>
#include <string>

namespace vrh {

inline const std::string kAliveLeft = "Alive Left";
inline const std::string kAliveRight = "Alive Right";
inline const std::string kShootLeft = "Shoot Left";
inline const std::string kShootRight = "Shoot Right";
// "Explode1 Left" .. "Explode4 Left" at index 0 .. 3.
inline const std::array<std::string, 4> kExplodeLeft{"Explode1 Left", "Explode2 Left",
                                                     "Explode3 Left", "Explode4 Left"};
inline const std::array<std::string, 4> kExplodeRight{"Explode1 Right", "Explode2 Right",
                                                      "Explode3 Right", "Explode4 Right"};

// The words of one group.
struct GroupWords {
    const std::string& alive;
    const std::string& shoot;
    const std::array<std::string, 4>& explode;
};
inline GroupWords groupWords(bool leftGroup) {
    return leftGroup ? GroupWords{kAliveLeft, kShootLeft, kExplodeLeft}
                     : GroupWords{kAliveRight, kShootRight, kExplodeRight};
}

}  // namespace vrh
