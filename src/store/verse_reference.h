#pragma once
// Verse numbers and references as a user types them: "255", "255-257", "البقرة:255",
// "2:255-257", "البقرة 255", in ASCII or Arabic-Indic digits.

#include <optional>
#include <string_view>

namespace sahifex::store {

struct VerseRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const VerseRange&, const VerseRange&) = default;
};

enum class RangeFault {
    None,
    Empty,      // nothing typed
    Junk,       // not a verse number or two joined by "-"
    Reversed,   // the first verse after the last
    PastTheEnd, // a verse the surah does not have
};

struct RangeReading {
    RangeFault fault = RangeFault::None;
    VerseRange verses; // when fault is None
    friend bool operator==(const RangeReading&, const RangeReading&) = default;
};

// "255" or "255-257" (spaces around the numbers allowed); a verse number has one to
// three digits and is not 0.
RangeReading readVerseRange(std::u16string_view text);

// The reading checked against a surah of verseCount verses.
RangeReading withinSurah(RangeReading reading, int verseCount);

struct TypedReference {
    int surah = 0; // 1 to 114
    RangeReading verses;
    friend bool operator==(const TypedReference&, const TypedReference&) = default;
};

// A surah, by its name (diacritics and hamza forms as the user likes) or its number,
// then ":" or a space, then a verse range; nothing when the text names no surah that way
// (it is a word to search for).
std::optional<TypedReference> readTypedReference(std::u16string_view text);

} // namespace sahifex::store
