// The number of a copied verse reference: what counts as a number and its value.

#include <gtest/gtest.h>

#include "tracking/numeric_text.h"

namespace sahifex::tracking {
namespace {

TEST(NumericValue, DecimalNumbersWithBlanksAroundThem) {
    EXPECT_EQ(numericValue(u"255"), 255);
    EXPECT_EQ(numericValue(u" 255 "), 255);
    EXPECT_EQ(numericValue(u"\t7\r\n"), 7);
    EXPECT_EQ(numericValue(u"0"), 0);
    EXPECT_EQ(numericValue(u"007"), 7);
    EXPECT_EQ(numericValue(u"+3"), 3);
    EXPECT_EQ(numericValue(u"-3"), -3);
    EXPECT_EQ(numericValue(u"2.5"), 2.5);
    EXPECT_EQ(numericValue(u".5"), 0.5);
    EXPECT_EQ(numericValue(u"5."), 5);
    EXPECT_EQ(numericValue(u"1e2"), 100);
    EXPECT_EQ(numericValue(u"25E-1"), 2.5);
}

TEST(NumericValue, AnythingElseIsNoNumber) {
    const char16_t* texts[] = {u"", u"   ", u"abc", u"255abc", u"abc255", u"2 55", u"2,5",
                               u".", u"+", u"-", u"e5", u"1e", u"1e+", u"--1", u"1..2",
                               u"0x10", u"inf", u"nan", u"١٢", u"２", u"1e999", u"5\u00a0"};
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_FALSE(numericValue(texts[i]).has_value()) << "text number " << i;
}

} // namespace
} // namespace sahifex::tracking
