#pragma once
// Pseudo-random source of the spawns: a 24-bit linear congruential generator
// (x = x * 1140671485 + 12820163 mod 2^24), one value in [0, 1) per call.
// Tests use the fixed default seed; the program seeds it once at start.
#include <cstdint>

namespace vrh {

class Random {
public:
    static constexpr uint32_t kDefaultSeed = 327680;
    explicit Random(uint32_t seed = kDefaultSeed) : x_(seed & 0xFFFFFF) {}
    void seed(uint32_t s) { x_ = s & 0xFFFFFF; }
    double next() {
        x_ = (x_ * 1140671485u + 12820163u) & 0xFFFFFFu;
        return double(x_) / 16777216.0;
    }

private:
    uint32_t x_;
};

}  // namespace vrh
