#pragma once
// A failed property in a fuzz target: say what broke, then abort so that
// libFuzzer keeps the input as a crash.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "meta/FileValue.h"
#include "meta/ItemReader.h"

namespace vrh::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    if (!detail.empty()) std::fprintf(stderr, "  %s\n", detail.c_str());
    std::abort();
}

// Shows bytes of a value readably: control characters and quotes escaped.
inline std::string shown(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 32 || c >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

inline std::string describe(const FileValue& v) {
    if (auto* t = std::get_if<std::string>(&v)) return "text " + shown(*t);
    if (auto* d = std::get_if<double>(&v)) return "number " + std::to_string(*d);
    return "nothing";
}

// `b` is `a` written to a file and read back: everything read is text; text
// stays the same text, a number reads back as the same number, nothing as
// empty text.
inline bool readsBackAs(const FileValue& a, const FileValue& b) {
    const auto* bt = std::get_if<std::string>(&b);
    if (!bt) return false;
    if (auto* at = std::get_if<std::string>(&a)) return *at == *bt;
    if (auto* ad = std::get_if<double>(&a)) {
        const auto n = toNumber(*bt);
        return n && *n == *ad;
    }
    return bt->empty();
}

}  // namespace vrh::fuzz

#define FUZZ_CHECK(cond, detail) \
    do { \
        if (!(cond)) ::vrh::fuzz::fail(__FILE__, __LINE__, #cond, (detail)); \
    } while (0)
