#include "app/verse_numbers.h"

namespace sahifex::app {

int asciiDigitsValue(std::u16string_view text) {
    if (text.empty() || text.size() > 4) return -1;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool isLongVerse(int16_t surah, std::u16string_view verseNumber) {
    return surah == 2 && asciiDigitsValue(verseNumber) == 282;
}

} // namespace sahifex::app
