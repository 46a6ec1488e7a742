#pragma once
// The names of the 114 surahs by number. Entry 0 is the placeholder "0", so that an
// entry's index is its surah number, in the table and in the surah picker.

#include <string>

namespace sahifex::store {

constexpr int kSurahTableSize = 115;

// Entry n of the table; "" for a number outside 0 to 114 (only a damaged verse file
// can ask for one).
std::u16string surahName(int number);

} // namespace sahifex::store
