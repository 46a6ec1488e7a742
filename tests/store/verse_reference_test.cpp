// Verse ranges and references as a user types them, each row read as the program reads it.

#include <gtest/gtest.h>

#include "store/utf.h"
#include "store/verse_reference.h"

namespace sahifex::store {
namespace {

std::string shown(const RangeReading& r) {
    switch (r.fault) {
    case RangeFault::None:
        return std::to_string(r.verses.first) +
               (r.verses.last == r.verses.first ? "" : "-" + std::to_string(r.verses.last));
    case RangeFault::Empty: return "empty";
    case RangeFault::Junk: return "junk";
    case RangeFault::Reversed: return "reversed";
    case RangeFault::PastTheEnd: return "past the end";
    }
    return "?";
}

std::string shown(const std::optional<TypedReference>& r) {
    return r ? std::to_string(r->surah) + ":" + shown(r->verses) : "a word";
}

TEST(VerseReference, EachTypedTextReadsAsTheUserMeantIt) {
    struct Row {
        std::u16string typed;
        std::string reference;  // as a typed reference in the search box
        std::string inBaqarah;  // as a range typed beside surah 2 (286 verses)
    };
    const Row rows[] = {
        {u"البقرة:255", "2:255", "junk"},
        {u"2:255", "2:255", "junk"},
        {u"2:255-257", "2:255-257", "junk"},
        {u"البقرة 255", "2:255", "junk"},
        {u"الْبَقَرَة :  ٢٥٥-٢٥٧", "2:255-257", "junk"},
        {u"آل عمران 7", "3:7", "junk"},
        {u"الدخان:3", "44:3", "junk"},
        {u"255", "a word", "255"},
        {u" ٢٥٥ - ٢٥٧ ", "a word", "255-257"},
        {u"1-286", "a word", "1-286"},
        {u"257-255", "a word", "reversed"},
        {u"2:257-255", "2:reversed", "junk"},
        {u"280-290", "a word", "past the end"},
        {u"1000", "a word", "junk"},
        {u"", "a word", "empty"},
        {u"   ", "a word", "empty"},
        {u"0", "a word", "junk"},
        {u"25a", "a word", "junk"},
        {u"255-", "a word", "junk"},
        {u"-255", "a word", "junk"},
        {u"1-2-3", "a word", "junk"},
        {u"115:1", "a word", "junk"},
        {u"قال:1", "a word", "junk"},
        {u"قال", "a word", "junk"},
        {u"2:", "2:empty", "junk"},
        {u"2:x", "2:junk", "junk"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(toUtf8(row.typed));
        EXPECT_EQ(shown(readTypedReference(row.typed)), row.reference);
        EXPECT_EQ(shown(withinSurah(readVerseRange(row.typed), 286)), row.inBaqarah);
    }
}

TEST(VerseReference, ARangeReachingPastTheSurahsLastVerseIsRefused) {
    EXPECT_EQ(shown(withinSurah(readVerseRange(u"1-7"), 7)), "1-7");
    EXPECT_EQ(shown(withinSurah(readVerseRange(u"6-8"), 7)), "past the end");
    EXPECT_EQ(shown(withinSurah(readVerseRange(u"٨"), 7)), "past the end");
    EXPECT_EQ(shown(withinSurah(readVerseRange(u"8-6"), 7)), "reversed");
}

} // namespace
} // namespace sahifex::store
