#include "meta/FileValue.h"

#include "meta/ItemReader.h"
#include "meta/NumberPrint.h"

namespace vrh {

bool isBlankValue(const FileValue& v) {
    if (std::holds_alternative<std::monostate>(v)) return true;
    if (auto* s = std::get_if<std::string>(&v)) return s->empty();
    return false;
}

std::string fileLine(const FileValue& v) {
    if (auto* s = std::get_if<std::string>(&v)) return quoteItem(*s);
    if (auto* d = std::get_if<double>(&v)) return printForm(*d);
    return {};
}

std::string displayText(const FileValue& v) {
    if (auto* s = std::get_if<std::string>(&v)) return *s;
    if (auto* d = std::get_if<double>(&v)) return numberText(*d);
    return {};
}

std::optional<double> numberValue(const FileValue& v) {
    if (auto* s = std::get_if<std::string>(&v)) return toNumber(*s);
    if (auto* d = std::get_if<double>(&v)) return *d;
    return std::nullopt;
}

double rankValue(const FileValue& v) { return numberValue(v).value_or(0.0); }

}  // namespace vrh
