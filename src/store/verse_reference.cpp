#include "store/verse_reference.h"

#include <string>

#include "store/lenient_text.h"
#include "store/surah_table.h"

namespace sahifex::store {
namespace {

std::u16string_view trimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

// A number of one to three digits, ASCII or Arabic-Indic; nothing for anything else.
std::optional<int> smallNumber(std::u16string_view text) {
    text = trimSpaces(text);
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        const char16_t digit = asciiDigit(c);
        if (digit < u'0' || digit > u'9') return std::nullopt;
        value = value * 10 + (digit - u'0');
    }
    return value;
}

bool isVerseNumber(std::optional<int> number) { return number && *number >= 1; }

} // namespace

RangeReading readVerseRange(std::u16string_view text) {
    text = trimSpaces(text);
    if (text.empty()) return {RangeFault::Empty, {}};
    const size_t dash = text.find(u'-');
    const std::optional<int> first = smallNumber(text.substr(0, dash));
    const std::optional<int> last =
        dash == std::u16string_view::npos ? first : smallNumber(text.substr(dash + 1));
    if (!isVerseNumber(first) || !isVerseNumber(last)) return {RangeFault::Junk, {}};
    if (*first > *last) return {RangeFault::Reversed, {}};
    return {RangeFault::None, {*first, *last}};
}

RangeReading withinSurah(RangeReading reading, int verseCount) {
    if (reading.fault == RangeFault::None && reading.verses.last > verseCount)
        return {RangeFault::PastTheEnd, {}};
    return reading;
}

std::optional<TypedReference> readTypedReference(std::u16string_view text) {
    text = trimSpaces(text);
    size_t split = text.find(u':');
    if (split == std::u16string_view::npos) split = text.rfind(u' ');
    if (split == std::u16string_view::npos) return std::nullopt;
    const std::u16string_view name = text.substr(0, split);
    int surah = 0;
    if (const std::optional<int> number = smallNumber(name))
        surah = *number >= 1 && *number < kSurahTableSize ? *number : 0;
    else
        surah = surahNumberByName(name);
    if (surah == 0) return std::nullopt;
    return TypedReference{surah, readVerseRange(text.substr(split + 1))};
}

} // namespace sahifex::store
