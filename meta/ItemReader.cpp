#include "meta/ItemReader.h"

#include <charconv>
#include <cmath>

namespace vrh {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isSeparator(char c) { return c == ',' || isLineEnd(c); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::vector<std::string> readItems(std::string_view text) {
    std::vector<std::string> items;
    const size_t n = text.size();
    size_t pos = 0;
    if (n == 0) return items;
    for (;;) {
        while (pos < n && isBlank(text[pos])) ++pos;
        std::string item;
        if (pos < n && text[pos] == '"') {
            ++pos;
            while (pos < n) {
                if (text[pos] == '"') {
                    if (pos + 1 < n && text[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;  // the closing quote
                    break;
                }
                item += text[pos++];
            }
            while (pos < n && !isSeparator(text[pos])) ++pos;  // ignored tail
        } else {
            const size_t start = pos;
            while (pos < n && !isSeparator(text[pos])) ++pos;
            item.assign(text.substr(start, pos - start));
        }
        items.push_back(std::move(item));
        if (pos >= n) break;
        if (text[pos] == ',') {
            ++pos;
            continue;  // a comma always starts another item
        }
        if (text[pos] == '\r' && pos + 1 < n && text[pos + 1] == '\n') ++pos;
        ++pos;
        if (pos >= n) break;  // a final line end makes no extra item
    }
    return items;
}

bool needsQuotes(std::string_view text) {
    if (text.empty()) return false;
    if (isBlank(text.front())) return true;
    for (char c : text)
        if (c == '"' || isSeparator(c)) return true;
    return false;
}

std::string quoteItem(std::string_view text) {
    if (!needsQuotes(text)) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::optional<double> toNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view t = text.substr(b, e - b);

    // Check the shape first: from_chars alone would accept "inf", "nan" and
    // hexadecimal forms.
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::string clean;  // sign-less, with 'e' as exponent letter
    size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) clean += t[i++], ++digits;
    if (i < t.size() && t[i] == '.') {
        clean += t[i++];
        while (i < t.size() && isDigit(t[i])) clean += t[i++], ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        clean += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) clean += t[i++];
        size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) clean += t[i++], ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;

    double v = 0;
    auto [end, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Too large is not a number we can hold; too small is zero.
        const auto ePos = clean.find('e');
        if (ePos != std::string::npos && clean.find('-', ePos) != std::string::npos) return 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || end != clean.data() + clean.size()) return std::nullopt;
    return negative ? -v : v;
}

double toNumberOr0(std::string_view text) { return toNumber(text).value_or(0.0); }

}  // namespace vrh
