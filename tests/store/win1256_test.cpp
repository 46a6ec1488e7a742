#include <gtest/gtest.h>

#include <set>

#include "store/win1256.h"

namespace sahifex::store {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

TEST(Win1256, EveryByteDecodesToItsOwnCharacterAndBack) {
    const std::string bytes = allBytes();
    const std::u16string text = decodeWin1256(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(std::set<char16_t>(text.begin(), text.end()).size(), 256u)
        << "two bytes decode to the same character";
    EXPECT_EQ(encodeWin1256(text), bytes);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(win1256Code(text[b]), b) << "byte " << b;
}

TEST(Win1256, AnyPieceDecodesAsItsPartOfTheWhole) {
    // Pieces of every length and start: the decoder works on blocks of bytes, and a
    // piece's last bytes fill a block only in part.
    const std::string bytes = allBytes() + allBytes();
    const std::u16string whole = decodeWin1256(bytes);
    for (size_t start = 0; start < 40; ++start)
        for (size_t length = 0; length <= 100; ++length)
            ASSERT_EQ(decodeWin1256(std::string_view(bytes).substr(start, length)), whole.substr(start, length))
                << start << " " << length;
}

TEST(Win1256, AsciiIsItself) {
    EXPECT_EQ(decodeWin1256("001 282\r\n"), u"001 282\r\n");
    EXPECT_EQ(encodeWin1256(u"114 6"), "114 6");
}

TEST(Win1256, ArabicLettersAndDiacriticsHaveTheirCodes) {
    // Letters, the diacritics of the vocalized text, and the places where the code page
    // mixes Arabic with Latin letters.
    const std::pair<char16_t, int> codes[] = {
        {u'\u0621', 0xC1}, // hamza
        {u'\u0622', 0xC2}, // alef with madda
        {u'\u0627', 0xC7}, // alef
        {u'\u0636', 0xD6}, // dad
        {u'\u00D7', 0xD7}, // multiplication sign between dad and tah
        {u'\u0637', 0xD8}, // tah
        {u'\u0640', 0xDC}, // tatweel
        {u'\u0643', 0xDF}, // kaf
        {u'\u0644', 0xE1}, // lam
        {u'\u00E2', 0xE2},
        {u'\u0645', 0xE3}, // meem
        {u'\u0648', 0xE6}, // waw
        {u'\u0649', 0xEC}, // alef maksura
        {u'\u064A', 0xED}, // yeh
        {u'\u064B', 0xF0}, // fathatan
        {u'\u064E', 0xF3}, // fatha
        {u'\u064F', 0xF5}, // damma
        {u'\u0650', 0xF6}, // kasra
        {u'\u0651', 0xF8}, // shadda
        {u'\u0652', 0xFA}, // sukun
        {u'\u060C', 0xA1}, // Arabic comma
        {u'\u061F', 0xBF}, // Arabic question mark
        {u'\u20AC', 0x80}, // euro sign
        {u'\u067E', 0x81}, // peh
        {u'\u200C', 0x9D}, // zero width non-joiner
        {u'\u06D2', 0xFF}, // yeh barree
    };
    for (const auto& [c, code] : codes) {
        EXPECT_EQ(win1256Code(c), code) << "U+" << std::hex << int(c);
        EXPECT_EQ(decodeWin1256(std::string(1, static_cast<char>(code))), std::u16string(1, c));
    }
    EXPECT_EQ(encodeWin1256(u"الله"), "\xC7\xE1\xE1\xE5");
}

TEST(Win1256, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(win1256Code(u'\u0671'), 63); // alef wasla
    EXPECT_EQ(win1256Code(u'\u00E1'), 63); // a with acute: 0xE1 is lam here
    EXPECT_EQ(win1256Code(u'\uFFFD'), 63);
    EXPECT_EQ(encodeWin1256(u"\u0628\u0671\u0628"), "\xC8?\xC8");
    // A character beyond U+FFFF is one character, so one "?".
    EXPECT_EQ(encodeWin1256(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(encodeWin1256(u"a\xD800"), "a?"); // a lone surrogate
}

TEST(Win1256, ExactEncodingIsTheBytesOrNothing) {
    const std::string bytes = allBytes();
    EXPECT_EQ(encodeWin1256Exactly(decodeWin1256(bytes)), bytes);
    EXPECT_EQ(encodeWin1256Exactly(u"قال"), std::optional<std::string>("\xDE\xC7\xE1"));
    EXPECT_EQ(encodeWin1256Exactly(u"?"), std::optional<std::string>("?"));
    EXPECT_EQ(encodeWin1256Exactly(u""), std::optional<std::string>(""));
    for (const char16_t* text : {u"قال\u0100", u"\u06A4", u"x\U0001F600", u"\u0080", u"\u0670"})
        EXPECT_EQ(encodeWin1256Exactly(text), std::nullopt);
}

} // namespace
} // namespace sahifex::store
