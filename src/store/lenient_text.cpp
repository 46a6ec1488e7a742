#include "store/lenient_text.h"

#include <algorithm>
#include <optional>

#include "store/letter_folding.h"
#include "store/surah_table.h"

namespace sahifex::store {
namespace {

bool isDiacritic(char16_t c) { return (c >= u'\u064B' && c <= u'\u065F') || c == u'\u0670'; }

bool isDirectionMark(char16_t c) {
    return c == u'\u200E' || c == u'\u200F' || c == u'\u061C' || (c >= u'\u202A' && c <= u'\u202E') ||
           (c >= u'\u2066' && c <= u'\u2069');
}

constexpr char16_t kTatweel = u'\u0640';

bool isWhiteSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u0085' || c == u'\u00A0' || c == u'\u1680' ||
           (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' || c == u'\u2029' || c == u'\u202F' ||
           c == u'\u205F' || c == u'\u3000' || c == u'\uFEFF';
}

// Punctuation that stands around a word in a sentence; a reference's colon stands inside
// it, never at an end.
bool isSurroundingPunctuation(char16_t c) {
    return std::u16string_view(u"،؛؟«»()\".,:!?;“”").find(c) != std::u16string_view::npos;
}

bool isAround(char16_t c) { return isWhiteSpace(c) || isSurroundingPunctuation(c); }

std::u16string trimmed(std::u16string_view text, bool (*around)(char16_t)) {
    while (!text.empty() && around(text.front())) text.remove_prefix(1);
    while (!text.empty() && around(text.back())) text.remove_suffix(1);
    return std::u16string(text);
}

// Arabic-Indic and Persian digits as ASCII ones; nothing when a character is no digit.
std::optional<std::u16string> asciiDigits(std::u16string_view text) {
    std::u16string digits;
    for (char16_t c : text) {
        digits += asciiDigit(c);
        if (digits.back() < u'0' || digits.back() > u'9') return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    return digits;
}

// A surah's name for comparing: no diacritics, hamza forms, ى and ة folded.
std::u16string comparableName(std::u16string_view name) { return foldLetters(lenientText(name)); }

// A name as books cite it, after the word "سورة": the name alone; any other name as it is.
std::u16string_view withoutSurahWord(std::u16string_view name) {
    while (!name.empty() && isWhiteSpace(name.front())) name.remove_prefix(1);
    for (std::u16string_view word : {u"سورة", u"سوره"})
        if (name.size() > word.size() && name.starts_with(word) && isWhiteSpace(name[word.size()]))
            return name.substr(word.size() + 1);
    return name;
}

// The reference with the table's name and ASCII digits; nothing when text is none.
std::optional<std::u16string> lenientReference(std::u16string_view text) {
    const size_t colon = text.find(u':');
    if (colon == std::u16string_view::npos) return std::nullopt;
    const std::optional<std::u16string> number = asciiDigits(trimmed(text.substr(colon + 1), isWhiteSpace));
    if (!number) return std::nullopt;
    const int surah = surahNumberByName(withoutSurahWord(text.substr(0, colon)));
    if (surah == 0) return std::nullopt;
    return surahName(surah) + u":" + *number;
}

} // namespace

char16_t asciiDigit(char16_t c) {
    if (c >= u'\u0660' && c <= u'\u0669') return static_cast<char16_t>(u'0' + (c - u'\u0660'));
    if (c >= u'\u06F0' && c <= u'\u06F9') return static_cast<char16_t>(u'0' + (c - u'\u06F0'));
    return c;
}

char16_t arabicLetter(char16_t c) {
    switch (c) {
    case u'\u06CC': case u'\u06D0': case u'\u06CD': return u'ي';
    case u'\u06A9': return u'ك';
    case u'\u06D5': case u'\u06C1': case u'\u06C0': return u'ه';
    default: return c;
    }
}

std::u16string lenientText(std::u16string_view text) {
    std::u16string letters;
    for (char16_t c : text)
        if (!isDiacritic(c) && c != kTatweel && !isDirectionMark(c)) letters += arabicLetter(c);
    return trimmed(letters, isAround);
}

std::u16string lenientTyped(std::u16string_view typed) {
    const std::u16string word = lenientText(typed);
    if (word.empty()) return word;
    const auto first = std::find_if_not(typed.begin(), typed.end(), isWhiteSpace);
    const auto last = std::find_if_not(typed.rbegin(), typed.rend(), isWhiteSpace);
    return std::u16string(typed.begin(), first) + word + std::u16string(last.base(), typed.end());
}

std::u16string lenientCopy(std::u16string_view copied) {
    const std::u16string text = lenientText(copied);
    if (const std::optional<std::u16string> reference = lenientReference(text)) return *reference;
    if (std::any_of(text.begin(), text.end(), isWhiteSpace)) return std::u16string(copied);
    return text;
}

int surahNumberByName(std::u16string_view name) {
    const std::u16string wanted = comparableName(name);
    if (wanted.empty()) return 0;
    for (int surah = 1; surah < kSurahTableSize; ++surah)
        if (comparableName(surahName(surah)) == wanted) return surah;
    return 0;
}

} // namespace sahifex::store
