// Verse ranges from the multi-verse panel and references typed into the search box, on
// the fakes with the program's own verse files: what the editor receives, or the message
// and nothing pasted.

#include <map>

#include "store/surah_table.h"
#include "support/app_fixture.h"
#include "support/verse_file.h"

namespace sahifex::testing {
namespace {

namespace fs = std::filesystem;

// The verses of surahs 1 and 2 read line by line: the plain text (without its surah code
// and its verse number) and the vocalized line.
struct Verse {
    std::u16string plain, vocalized;
};
const std::map<std::pair<int, int>, Verse>& programVerses() {
    static const auto verses = [] {
        std::map<std::pair<int, int>, Verse> read;
        VerseFile plain(fs::path(SAHIFEX_DATA_DIR) / "QuranV.Qur");
        VerseFile vocalized(fs::path(SAHIFEX_DATA_DIR) / "QuranT.Qur");
        std::map<int, int> counted;
        while (!plain.atEnd()) {
            const std::u16string line = plain.readLine();
            const int surah = std::stoi(utf8(line.substr(0, 3)));
            const std::u16string v = vocalized.readLine();
            if (surah > 2) break;
            const std::u16string row = line.substr(3, line.find_last_not_of(u' ') - 2);
            read[{surah, ++counted[surah]}] = {row.substr(0, row.rfind(u' ')), v};
        }
        return read;
    }();
    return verses;
}

std::u16string number(int n) { return store::fromUtf8(std::to_string(n)); }

struct VerseRangeTest : AppFixture {
    VerseRangeTest() {
        for (int n = 0; n < store::kSurahTableSize; ++n) main.Combo1.AddItem(store::surahName(n));
        bar.ensureLoaded();
        fake.clearLog();
    }
    // Picks the surah, types the range beside it and presses the panel's button.
    void sendRange(int surah, const std::u16string& range) {
        main.VerseRanges.setValue(1);
        main.Combo1.setListIndex(surah);
        main.RangeBox.setText(range);
        main.SerachByNumber.setValue(true);
    }
    // Types each character into the search box through its key filter, then Enter.
    void typeAndEnter(const std::u16string& text) {
        main.Text1.setText(u"");
        for (char16_t c : text) {
            int16_t key = static_cast<int16_t>(c);
            main.Text1.fireKeyPress(key);
            if (key != 0) main.Text1.setText(main.Text1.text() + static_cast<char16_t>(key));
        }
        int16_t enter = 13;
        main.Text1.fireKeyPress(enter);
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> shown;
        for (const std::string& line : fake.log)
            if (line.starts_with("message:")) shown.push_back(line);
        return shown;
    }
};

const std::u16string kRange255to257 =
    u"[" + programVerses().at({2, 255}).vocalized + u" (255) " + programVerses().at({2, 256}).vocalized +
    u" (256) " + programVerses().at({2, 257}).vocalized + u" (257)] البقرة:255-257";

TEST_F(VerseRangeTest, ARangeBesideThePickedSurahIsPastedAsOneQuotationAsTheOptionsSay) {
    sendRange(2, u"٢٥٥-٢٥٧");
    main.Check2.setValue(1); // plain text
    main.OrnateBrackets.setValue(1);
    sendRange(1, u"6 - 7");
    main.Check5.setValue(0); // the verses alone
    sendRange(1, u"7");
    const auto& v = programVerses();
    EXPECT_EQ(fake.pasted,
              (std::vector<std::u16string>{
                  kRange255to257,
                  u"\uFD3F" + v.at({1, 6}).plain + u" (6) " + v.at({1, 7}).plain + u" (7)\uFD3E الفاتحة:6-7",
                  v.at({1, 7}).plain}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(VerseRangeTest, ARangeThatNamesNoVersesIsToldAndPastesNothing) {
    for (const std::u16string range : {u"257-255", u"285-287", u"8", u"٢٥٥ إلى ٢٥٧"})
        sendRange(range == u"8" ? 1 : 2, range);
    main.RangeBox.setText(u"3");
    main.Combo1.setListIndex(-1);
    main.SerachByNumber.setValue(true);
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(messages().size(), 5u);
    EXPECT_NE(messages()[1].find("286"), std::string::npos) << messages()[1];
    EXPECT_NE(messages()[2].find("الفاتحة"), std::string::npos) << messages()[2];
}

TEST_F(VerseRangeTest, OverFiftyVersesAreAskedAboutFirst) {
    fake.okCancelAnswers = {false, true};
    sendRange(1, u"1-7");
    sendRange(2, u"1-51");
    EXPECT_EQ(fake.pasted.size(), 1u);
    sendRange(2, u"1-51");
    ASSERT_EQ(fake.pasted.size(), 2u);
    EXPECT_TRUE(fake.pasted[1].ends_with(u" (51)] البقرة:1-51"));
}

TEST_F(VerseRangeTest, WithTheBoxEmptyOrForACopiedReferenceTheButtonFetchesTheVerseAfterIt) {
    const std::u16string after255 = programVerses().at({2, 256}).vocalized + u" -  البقرة:256";
    sendRange(1, u"");
    main.ClipSurahName = u"البقرة";
    main.ClipVerseNumber = 255;
    main.SerachByNumber.setValue(true);
    // The watcher presses the button for a copy while a range waits in the box.
    main.RangeBox.setText(u"1-3");
    main.Timer2.setInterval(700);
    fake.userCopies(u"البقرة:255");
    fake.advance(700);
    EXPECT_EQ(fake.pasted, (std::vector<std::u16string>{after255, after255}));
}

TEST_F(VerseRangeTest, TypedReferencesArePastedOnlyWithTheirOption) {
    typeAndEnter(u"البقرة:255");
    // The digits and the colon were refused: the word was searched for.
    EXPECT_EQ(main.Text1.text().find_first_of(u":0123456789"), std::u16string::npos);
    EXPECT_TRUE(fake.pasted.empty());
    fake.clearLog();

    main.TypedReferences.setValue(1);
    typeAndEnter(u"البقرة:255");
    typeAndEnter(u"2:255-257");
    typeAndEnter(u"البقرة ٢٥٥");
    typeAndEnter(u"2:300");
    const std::u16string verse = u"[" + programVerses().at({2, 255}).vocalized + u"] البقرة:255";
    EXPECT_EQ(fake.pasted, (std::vector<std::u16string>{verse, kRange255to257, verse}));
    EXPECT_EQ(messages().size(), 1u);
}

} // namespace
} // namespace sahifex::testing
