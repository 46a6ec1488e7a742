#include "store/letter_folding.h"

#include "store/win1256.h"

namespace sahifex::store {
namespace {

char16_t foldLetter(char16_t c) {
    switch (c) {
    case u'أ': case u'إ': case u'آ': case u'\u0671': return u'ا';
    case u'ى': return u'ي';
    case u'ة': return u'ه';
    case u'ؤ': case u'ئ': return u'ء';
    default: return c;
    }
}

store::ByteFold byteFold() {
    store::ByteFold fold{};
    for (int b = 0; b < 256; ++b) {
        const char16_t letter = store::decodeWin1256(std::string(1, static_cast<char>(b))).front();
        const char16_t folded = foldLetter(letter);
        // Every letter folded to is in the code page.
        fold[b] = static_cast<unsigned char>(folded == letter ? b : store::win1256Code(folded));
    }
    return fold;
}

} // namespace

std::u16string foldLetters(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& c : folded) c = foldLetter(c);
    return folded;
}

const store::ByteFold& win1256LetterFold() {
    static const store::ByteFold fold = byteFold();
    return fold;
}

} // namespace sahifex::store
