// The byte search finds what std::string_view::find finds, from every place.

#include <gtest/gtest.h>

#include <random>

#include "store/byte_pattern.h"

namespace sahifex::store {
namespace {

TEST(BytePattern, FindsWhatFindFinds) {
    std::mt19937 random(5);
    static const char kBytes[] = {' ', '\xC7', '\xE1', '\xDE', 'a', '\r', '\0', '\xE6'};
    for (int round = 0; round < 3000; ++round) {
        std::string hay(random() % 300, ' ');
        for (char& b : hay) b = kBytes[random() % 8];
        std::string needle(random() % 6, ' ');
        for (char& b : needle) b = kBytes[random() % 8];
        // Sometimes a piece of the hay itself.
        if (round % 3 == 0 && !hay.empty()) {
            const size_t at = random() % hay.size();
            needle = hay.substr(at, 1 + random() % 5);
        }
        const BytePattern pattern(needle);
        for (size_t from = 0; from <= hay.size() + 1; ++from)
            ASSERT_EQ(pattern.findIn(hay, from), std::string_view(hay).find(needle, from))
                << round << " from " << from;
        // Through a fold, the pattern finds what find finds in the folded bytes.
        ByteFold fold;
        for (size_t b = 0; b < fold.size(); ++b) fold[b] = static_cast<unsigned char>(b);
        fold[0xE1] = 0xC7; // two bytes of one class
        fold['\0'] = 'a';
        const auto folded = [&](std::string bytes) {
            for (char& b : bytes) b = static_cast<char>(fold[static_cast<unsigned char>(b)]);
            return bytes;
        };
        const BytePattern throughFold(needle, &fold);
        const std::string foldedHay = folded(hay);
        for (size_t from = 0; from <= hay.size() + 1; ++from)
            ASSERT_EQ(throughFold.findIn(hay, from), std::string_view(foldedHay).find(folded(needle), from))
                << round << " from " << from << " through the fold";
    }
}

TEST(BytePattern, TheEmptyPatternIsFoundWhereTheSearchStarts) {
    const BytePattern empty("");
    EXPECT_EQ(empty.findIn("abc", 0), 0u);
    EXPECT_EQ(empty.findIn("abc", 3), 3u);
    EXPECT_EQ(empty.findIn("abc", 4), std::string_view::npos);
    EXPECT_EQ(BytePattern("abcd").findIn("abc"), std::string_view::npos);
}

} // namespace
} // namespace sahifex::store
