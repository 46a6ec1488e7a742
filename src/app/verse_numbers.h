#pragma once
// The numbers the program writes itself: surah codes and verse numbers, in ASCII digits,
// as the verse files and the result rows hold them. (A number the user copied is read
// by a rule of its own, in tracking/.)

#include <cstdint>
#include <string_view>

namespace sahifex::app {

// The number that a text of ASCII digits alone stands for; -1 for anything else (an
// empty text, any other character, more digits than a surah or verse number has).
int asciiDigitsValue(std::u16string_view text);

// Whether a surah number and a verse number (as the label shows it) name verse 282 of
// surah 2, whose vocalized text the program holds itself.
bool isLongVerse(int16_t surah, std::u16string_view verseNumber);

} // namespace sahifex::app
