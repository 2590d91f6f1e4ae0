#pragma once
// Fixed-width numbers of the game state.
//
// The game keeps its counters and positions in 16-bit signed integers and its
// score and money in 32-bit signed integers. Arithmetic is done in a wider type
// and the result is stored through one policy: values beyond the range
// SATURATE at the limit (32767 / -32768, 2147483647 / -2147483648). A run
// never stops on an overflow; it keeps playing at the limit. Doubles are
// stored rounded to the nearest integer, a half going to the even neighbour.
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

namespace vrh {

// Nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double v) { return std::nearbyint(v); }

template <typename Stored, typename Wide>
class Saturating {
public:
    static constexpr Wide kMin = std::numeric_limits<Stored>::min();
    static constexpr Wide kMax = std::numeric_limits<Stored>::max();

    constexpr Saturating() = default;
    template <std::integral I>
    constexpr Saturating(I v) : v_(clamp64(int64_t(v))) {}  // NOLINT: implicit on purpose
    Saturating(double v) : v_(fromDouble(v)) {}             // NOLINT

    constexpr operator Wide() const { return v_; }  // NOLINT
    constexpr Stored raw() const { return v_; }

    Saturating& operator+=(Wide d) {
        v_ = clamp(Wide(v_) + d);
        return *this;
    }
    Saturating& operator-=(Wide d) {
        v_ = clamp(Wide(v_) - d);
        return *this;
    }
    Saturating& operator++() { return *this += 1; }
    Saturating& operator--() { return *this -= 1; }

    static constexpr Stored clamp(Wide v) { return clamp64(int64_t(v)); }
    static constexpr Stored clamp64(int64_t v) {
        return v < kMin ? Stored(kMin) : v > kMax ? Stored(kMax) : Stored(v);
    }
    static Stored fromDouble(double v) {
        if (std::isnan(v)) return 0;
        const double r = roundHalfEven(v);
        if (r <= double(kMin)) return Stored(kMin);
        if (r >= double(kMax)) return Stored(kMax);
        return Stored(r);
    }

private:
    Stored v_ = 0;
};

// Integer: 16-bit signed; arithmetic on it happens in int.
using Int16 = Saturating<int16_t, int>;
// Long: 32-bit signed; arithmetic on it happens in int64_t.
using Int32 = Saturating<int32_t, int64_t>;

// Booleans of the game state are plain bool: they only ever hold True or False.

}  // namespace vrh
