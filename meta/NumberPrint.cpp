#include "meta/NumberPrint.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vrh {

std::string numberText(int64_t value) { return std::to_string(value); }

std::string numberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0) return "0";  // also turns -0 into "0"

    // "general" with 15 digits picks exponent form for exponents below -4 and
    // from 15 on (after rounding to 15 digits), trims trailing zeros and writes
    // at least two exponent digits: exactly the caption format.
    std::array<char, 64> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    if (ec != std::errc()) return "0";
    std::string s(buf.data(), end);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

namespace {
std::string wrap(const std::string& digits, bool negative) {
    return negative ? digits + " " : " " + digits + " ";
}
}  // namespace

std::string printForm(double value) {
    const std::string t = numberText(value);
    return wrap(t, !t.empty() && t.front() == '-');
}

std::string printForm(int64_t value) { return wrap(numberText(value), value < 0); }

}  // namespace vrh
