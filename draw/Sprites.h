#pragma once
// The sprite catalogue: every picture and mask the windows draw, by name and
// frame count. A picture with several frames is stored as "<name>_<i>.png",
// a single one as "<name>.png" (resources/sprites, embedded as :/sprites/).
#include <array>
#include <cstdint>
#include <string_view>

namespace vrh {

enum class Pic : uint8_t {
    beeleft, beeleftmask, beelefts, beeleftsmask, beeright, beerightmask, beerights, beerightsmask,
    beeleftf, beeleftsf, beerightf, beerightsf,
    shot, shotmask, shot2, shot2mask, shot3, shot3mask, shot4, shot4mask,
    imgnsr, imgnsrm, imgnsm, imgnsmm, imgnsg, imgnsgm, imgnso, imgnsom,
    imgssr, imgssrm, imgssm, imgssmm, imgssg, imgssgm, imgsso, imgssom,
    imgpsr, imgpsrm, imgpsm, imgpsmm, imgpsg, imgpsgm, imgpso, imgpsom,
    enemyshot, enemyshotmask,
    enemyright, enemyrightmask, enemyrightf, enemyrightshot, enemyrightshotmask, enemyrightshotf,
    enemyleft, enemyleftmask, enemyleftf, enemyleftshot, enemyleftshotmask, enemyleftshotf,
    tank, tankmask, tankflash, tankShatter, tankShatterMask,
    tankshot, tankshotmask,
    explode, explodemask,
    imgStars, imgEarth, imgBG1, imgBG2, imgvrhl, imgvrhlm, shopbg,
    Count
};

struct PicInfo {
    std::string_view name;
    uint8_t frames;  // 1 = single picture "<name>.png"
    uint16_t w, h;   // box size in pixels
};

inline constexpr std::array<PicInfo, size_t(Pic::Count)> kPics{{
    {"beeleft", 2, 33, 42}, {"beeleftmask", 2, 33, 42}, {"beelefts", 2, 33, 42}, {"beeleftsmask", 2, 33, 42},
    {"beeright", 2, 33, 42}, {"beerightmask", 2, 33, 42}, {"beerights", 2, 33, 42}, {"beerightsmask", 2, 33, 42},
    {"beeleftf", 2, 33, 42}, {"beeleftsf", 2, 33, 42}, {"beerightf", 2, 33, 42}, {"beerightsf", 2, 33, 42},
    {"shot", 2, 14, 14}, {"shotmask", 2, 14, 14}, {"shot2", 2, 14, 14}, {"shot2mask", 2, 14, 14},
    {"shot3", 2, 18, 18}, {"shot3mask", 2, 18, 18}, {"shot4", 2, 18, 18}, {"shot4mask", 2, 18, 18},
    {"imgnsr", 2, 18, 18}, {"imgnsrm", 2, 18, 18}, {"imgnsm", 2, 18, 18}, {"imgnsmm", 2, 18, 18},
    {"imgnsg", 2, 18, 18}, {"imgnsgm", 2, 18, 18}, {"imgnso", 2, 20, 20}, {"imgnsom", 2, 20, 20},
    {"imgssr", 2, 18, 18}, {"imgssrm", 2, 18, 18}, {"imgssm", 2, 18, 18}, {"imgssmm", 2, 18, 18},
    {"imgssg", 2, 18, 18}, {"imgssgm", 2, 18, 18}, {"imgsso", 2, 18, 18}, {"imgssom", 2, 18, 18},
    {"imgpsr", 2, 18, 18}, {"imgpsrm", 2, 18, 18}, {"imgpsm", 2, 18, 18}, {"imgpsmm", 2, 18, 18},
    {"imgpsg", 2, 18, 18}, {"imgpsgm", 2, 18, 18}, {"imgpso", 2, 18, 18}, {"imgpsom", 2, 18, 18},
    {"enemyshot", 2, 14, 14}, {"enemyshotmask", 2, 14, 14},
    {"enemyright", 2, 33, 24}, {"enemyrightmask", 1, 33, 24}, {"enemyrightf", 2, 33, 24},
    {"enemyrightshot", 1, 33, 24}, {"enemyrightshotmask", 1, 33, 24}, {"enemyrightshotf", 1, 33, 24},
    {"enemyleft", 2, 33, 24}, {"enemyleftmask", 1, 33, 24}, {"enemyleftf", 2, 33, 24},
    {"enemyleftshot", 1, 33, 24}, {"enemyleftshotmask", 1, 33, 24}, {"enemyleftshotf", 1, 33, 24},
    {"tank", 4, 330, 65}, {"tankmask", 1, 330, 65}, {"tankflash", 4, 330, 65},
    {"Tankshater", 1, 330, 65}, {"tankshatermask", 1, 330, 65},
    {"tankshot", 2, 11, 31}, {"tankshotmask", 2, 11, 31},
    {"explode", 4, 33, 42}, {"explodemask", 4, 33, 42},
    {"imgStars", 1, 484, 214}, {"imgEarth", 1, 484, 164}, {"imgBG1", 1, 484, 254},
    {"imgBG2", 1, 484, 163}, {"imgvrhl", 1, 0, 0}, {"imgvrhlm", 1, 0, 0}, {"shopbg", 1, 702, 541},
}};

inline const PicInfo& picInfo(Pic p) { return kPics[size_t(p)]; }

// One picture of the catalogue: which one and which frame.
struct SpriteRef {
    Pic pic;
    uint8_t frame = 0;
};

}  // namespace vrh
