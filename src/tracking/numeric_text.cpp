#include "tracking/numeric_text.h"

#include <charconv>
#include <string>
#include <system_error>

namespace sahifex::tracking {
namespace {

bool isBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Moves pos past a run of digits; true when there was at least one.
bool skipDigits(std::u16string_view s, size_t& pos) {
    const size_t start = pos;
    while (pos < s.size() && isDigit(s[pos])) ++pos;
    return pos > start;
}

} // namespace

std::optional<double> numericValue(std::u16string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::u16string_view s = text.substr(begin, end - begin);

    // sign? digits* ("." digits*)? with at least one digit, then (e sign? digits)?
    size_t pos = 0;
    const bool negative = pos < s.size() && s[pos] == u'-';
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ++pos;
    const size_t mantissa = pos;
    bool digits = skipDigits(s, pos);
    if (pos < s.size() && s[pos] == u'.') {
        ++pos;
        digits = skipDigits(s, pos) || digits;
    }
    if (!digits) return std::nullopt;
    if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ++pos;
        if (!skipDigits(s, pos)) return std::nullopt;
    }
    if (pos != s.size()) return std::nullopt;

    // Only ASCII is left from the mantissa on; from_chars reads it without a locale.
    std::string ascii(s.begin() + mantissa, s.end());
    if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
    double value = 0;
    const auto [last, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || last != ascii.data() + ascii.size()) return std::nullopt;
    return negative ? -value : value;
}

} // namespace sahifex::tracking
