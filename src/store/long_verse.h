#pragma once
// The vocalized text of surah 2, verse 282, held by the program itself in two parts,
// the first ending with the space before "فَإِنْ لَمْ يَكُونَا رَجُلَيْنِ".

#include <string_view>

namespace sahifex::store {

extern const std::u16string_view kLongVersePart1;
extern const std::u16string_view kLongVersePart2;

} // namespace sahifex::store
