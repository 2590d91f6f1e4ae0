#pragma once
// How numbers are written.
//
// printForm: the form numbers take in the game's text files. One blank where
// a plus sign would go (a minus sign for negatives), the number, one trailing
// blank: " 3 ", "-5 ", " 12345 ".
//
// numberText: the general number format used in captions and price buttons
// ("$" followed by the money, "HP:" followed by the points). Integral values
// are plain decimal digits. Other values get up to 15 significant digits;
// magnitudes from 1E+15 on (and below 1E-04) are shown in exponent form with
// the mantissa trimmed and at least two exponent digits: "1E+15", "1.2E+16",
// "2.5E-05". Fractions keep their leading zero ("0.5"). The output does not
// depend on the C locale.
#include <cstdint>
#include <string>

namespace vrh {

std::string numberText(double value);
std::string numberText(int64_t value);

std::string printForm(double value);
std::string printForm(int64_t value);

// Keep ints from being ambiguous between the two overloads.
inline std::string numberText(int value) { return numberText(int64_t(value)); }
inline std::string printForm(int value) { return printForm(int64_t(value)); }

}  // namespace vrh
