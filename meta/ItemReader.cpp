#include "meta/ItemReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>

namespace vrh {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isSeparator(char c) { return c == ',' || isLineEnd(c); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

size_t TextSource::read(char* into, size_t max) {
    const size_t n = std::min(max, text_.size());
    std::memcpy(into, text_.data(), n);
    text_.remove_prefix(n);
    return n;
}

namespace {

// Reads a source block by block; the searches use memchr, so skipping a
// 100 MB line costs a few milliseconds.
class Cursor {
public:
    explicit Cursor(ByteSource& source) : source_(source) {}

    int peek() { return fill() ? static_cast<unsigned char>(block_[pos_]) : -1; }
    void skip() { ++pos_; }

    // Moves up to the first of `stops` (left unread) or the end, appending
    // what it passes to `out` while `out` is shorter than `cap`.
    void takeUntil(std::string_view stops, std::string& out, size_t cap) {
        while (fill()) {
            size_t stop = end_;
            for (char c : stops)
                if (const void* p = std::memchr(block_ + pos_, c, stop - pos_))
                    stop = size_t(static_cast<const char*>(p) - block_);
            const size_t room = cap > out.size() ? cap - out.size() : 0;
            out.append(block_ + pos_, std::min(stop - pos_, room));
            pos_ = stop;
            if (pos_ < end_) break;
        }
    }

private:
    bool fill() {
        if (pos_ < end_) return true;
        if (done_) return false;
        end_ = source_.read(block_, sizeof block_);
        pos_ = 0;
        done_ = end_ == 0;
        return !done_;
    }

    ByteSource& source_;
    char block_[1 << 16];
    size_t pos_ = 0, end_ = 0;
    bool done_ = false;
};

// A cut item must not end inside a UTF-8 character.
void dropPartialCharacter(std::string& s) {
    size_t lead = s.size();
    for (size_t back = 0; back < 4 && lead > 0; ++back) {
        const auto c = static_cast<unsigned char>(s[--lead]);
        if ((c & 0xC0) == 0xC0) {  // a lead byte: how long its character is
            const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            if (s.size() - lead < length) s.resize(lead);
            return;
        }
        if ((c & 0x80) == 0) return;  // plain ASCII: nothing open
    }
}

std::string readQuoted(Cursor& in, size_t cap) {
    std::string item;
    in.skip();  // the opening quote
    for (;;) {
        in.takeUntil("\"\r\n", item, cap);
        if (in.peek() != '"') break;  // a line end or the end: the quote ends here
        in.skip();
        if (in.peek() != '"') break;  // the closing quote
        in.skip();
        if (item.size() < cap) item += '"';
    }
    std::string tail;
    in.takeUntil(",\r\n", tail, 0);  // whatever follows the closing quote is ignored
    return item;
}

}  // namespace

ItemsRead readItems(ByteSource& source, const ItemLimits& limits) {
    ItemsRead out;
    Cursor in(source);
    if (in.peek() < 0) return out;
    for (;;) {
        if (out.items.size() >= limits.maxItems) {
            out.moreItems = true;
            break;
        }
        while (in.peek() == ' ' || in.peek() == '\t') in.skip();
        std::string item;
        if (in.peek() == '"')
            item = readQuoted(in, limits.maxItemBytes);
        else
            in.takeUntil(",\r\n", item, limits.maxItemBytes);
        if (item.size() >= limits.maxItemBytes) dropPartialCharacter(item);
        out.items.push_back(std::move(item));
        const int sep = in.peek();
        if (sep < 0) break;
        in.skip();
        if (sep == ',') continue;  // a comma always starts another item
        if (sep == '\r' && in.peek() == '\n') in.skip();
        if (in.peek() < 0) break;  // a final line end makes no extra item
    }
    return out;
}

std::vector<std::string> readItems(std::string_view text, const ItemLimits& limits) {
    TextSource source(text);
    return readItems(source, limits).items;
}

bool needsQuotes(std::string_view text) {
    if (text.empty()) return false;
    if (isBlank(text.front())) return true;
    for (char c : text)
        if (c == '"' || isSeparator(c)) return true;
    return false;
}

std::string quoteItem(std::string_view text) {
    std::string oneLine(text);
    for (char& c : oneLine)
        if (isLineEnd(c)) c = ' ';
    if (!needsQuotes(oneLine)) return oneLine;
    std::string out = "\"";
    for (char c : oneLine) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

namespace {

std::string_view withoutBlanksAround(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

// A number's text read left to right into the form from_chars takes:
// sign-less, with 'e' as exponent letter.
struct NumberText {
    std::string_view t;
    size_t i = 0;
    std::string clean;
};

size_t takeDigits(NumberText& n) {
    size_t digits = 0;
    while (n.i < n.t.size() && isDigit(n.t[n.i])) n.clean += n.t[n.i++], ++digits;
    return digits;
}

// Digits with an optional point among them; false when there is no digit.
bool takeMantissa(NumberText& n) {
    size_t digits = takeDigits(n);
    if (n.i < n.t.size() && n.t[n.i] == '.') {
        n.clean += n.t[n.i++];
        digits += takeDigits(n);
    }
    return digits > 0;
}

// An optional exponent, its letter E or D; false when the letter has no digits.
bool takeExponent(NumberText& n) {
    const std::string_view t = n.t;
    size_t& i = n.i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        n.clean += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) n.clean += t[i++];
        if (takeDigits(n) == 0) return false;
    }
    return true;
}

std::optional<double> convert(const std::string& clean, bool negative) {
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

}  // namespace

std::optional<double> toNumber(std::string_view text) {
    // Check the shape first: from_chars alone would accept "inf", "nan" and
    // hexadecimal forms.
    NumberText n{withoutBlanksAround(text), 0, {}};
    bool negative = false;
    if (n.i < n.t.size() && (n.t[n.i] == '+' || n.t[n.i] == '-')) negative = n.t[n.i++] == '-';
    if (!takeMantissa(n) || !takeExponent(n) || n.i != n.t.size()) return std::nullopt;
    return convert(n.clean, negative);
}

double toNumberOr0(std::string_view text) { return toNumber(text).value_or(0.0); }

}  // namespace vrh
