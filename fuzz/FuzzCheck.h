#pragma once
// What the fuzz targets share: a failed property says what broke, then aborts so that libFuzzer
// keeps the input as a crash; values are shown with control bytes and quotes escaped.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "meta/FileValue.h"
#include "meta/ItemReader.h"

namespace vrh::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, what, detail.c_str());
    std::abort();
}

inline std::string shown(const std::string& s) {
    std::string out = "\"";
    char hex[8];
    for (unsigned char c : s)
        out += c < 32 || c >= 127 || c == '"' || c == '\\'
                   ? (std::snprintf(hex, sizeof hex, "\\x%02x", c), hex)
                   : std::string(1, char(c));
    return out + "\"";
}

inline std::string describe(const FileValue& v) {
    if (auto* t = std::get_if<std::string>(&v)) return "text " + shown(*t);
    if (auto* d = std::get_if<double>(&v)) return "number " + std::to_string(*d);
    return "nothing";
}

// `b` is `a` written to a file and read back: everything read is text; text stays the same text,
// a number reads back as the same number, nothing as empty text.
inline bool readsBackAs(const FileValue& a, const FileValue& b) {
    const auto* bt = std::get_if<std::string>(&b);
    if (auto* at = std::get_if<std::string>(&a)) return bt && *at == *bt;
    if (auto* ad = std::get_if<double>(&a)) return bt && toNumber(*bt) == *ad;
    return bt && bt->empty();
}

}  // namespace vrh::fuzz

#define FUZZ_CHECK(cond, detail)                                             \
    do {                                                                     \
        if (!(cond)) ::vrh::fuzz::fail(__FILE__, __LINE__, #cond, (detail)); \
    } while (0)
