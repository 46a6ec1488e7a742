// The surah table: its two halves, the placeholder entry and the spelling of the names.

#include <gtest/gtest.h>

#include "store/surah_table.h"
#include "store/utf.h"

using sahifex::store::surahName;

TEST(SurahTable, TheHalvesMeetBetween56And57) {
    EXPECT_EQ(surahName(0), u"0");
    EXPECT_EQ(surahName(1), u"الفاتحة");
    EXPECT_EQ(surahName(56), u"الواقعة");
    EXPECT_EQ(surahName(57), u"الحديد");
    EXPECT_EQ(surahName(114), u"الناس");
}

TEST(SurahTable, NumbersOutsideTheTableNameNothing) {
    EXPECT_EQ(surahName(-1), u"");
    EXPECT_EQ(surahName(115), u"");
    EXPECT_EQ(surahName(999), u"");
}

TEST(SurahTable, NamesAreWrittenAsTheTextWritesThem) {
    // Entry 44 is the only one with a diacritic: a damma on its third letter.
    EXPECT_EQ(surahName(44), u"الدُخان");
    EXPECT_NE(surahName(44), u"الدخان");
    EXPECT_EQ(surahName(3), u"آل عمران");
    EXPECT_EQ(surahName(14), u"إبراهيم");
    EXPECT_EQ(surahName(34), u"سبأ");
    EXPECT_EQ(surahName(87), u"الأعلى");
    for (int n : {20, 36, 38, 50}) EXPECT_LE(surahName(n).size(), 2u) << n;

    int withDiacritics = 0, withSpaces = 0;
    for (int n = 0; n <= 114; ++n) {
        const std::u16string name = surahName(n);
        ASSERT_FALSE(name.empty()) << n;
        EXPECT_NE(name.front(), u' ') << n;
        EXPECT_NE(name.back(), u' ') << n;
        for (char16_t c : name) {
            if (c >= 0x064B && c <= 0x0652) ++withDiacritics;
            if (c == u' ') ++withSpaces;
        }
        // Every name but the placeholder is Arabic letters (and the one space).
        if (n == 0) continue;
        for (char16_t c : name) {
            EXPECT_TRUE(c == u' ' || (c >= 0x0621 && c <= 0x0652)) << n;
        }
    }
    EXPECT_EQ(withDiacritics, 1);
    EXPECT_EQ(withSpaces, 1);
}

TEST(SurahTable, EveryNameIsDistinct) {
    for (int a = 0; a <= 114; ++a)
        for (int b = a + 1; b <= 114; ++b) EXPECT_NE(surahName(a), surahName(b)) << a << " " << b;
}
