// The word search and the key filter of the search box, on the fakes: small verse
// files written for each test, and the program's own verse files.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "store/long_verse.h"
#include "store/verse_channels.h"
#include "store/win1256.h"
#include "support/app_fixture.h"
#include "support/temp_folder.h"
#include "support/verse_file.h"
#include "support/window_faults.h"

namespace {

namespace fs = std::filesystem;
using sahifex::testing::AppFixture;
using sahifex::testing::utf8;

struct Verse {
    std::u16string code;      // "001" to "114"
    std::u16string plain;     // without diacritics
    std::u16string number;    // the verse-number tail
    std::u16string vocalized; // the whole vocalized line
};

// A small corpus in which every case of the search has its verse.
const std::vector<Verse> kSample = {
    {u"001", u"بسم الله قال ربي", u"1", u"بِسْمِ اللَّهِ قَالَ رَبِّي"},
    {u"001", u"قالوا سمعنا", u"2", u"قَالُوا سَمِعْنَا"},
    {u"001", u"ثم قالوا سمعنا", u"3", u"ثُمَّ قَالُوا سَمِعْنَا"},
    {u"002", u"الم", u"1", u"الم"},
    {u"002", u"المص كتاب", u"2", u"المص كِتَابٌ"},
    {u"002", u"الحمد لله رب العالمين", u"3", u"الْحَمْدُ لِلَّهِ رَبِّ الْعَالَمِينَ"},
    {u"002", u"وقال موسى لقومه", u"4", u"وَقَالَ مُوسَى لِقَوْمِهِ"},
    {u"002", u"قال لهم وقال لنا فقال", u"5", u"قَالَ لَهُمْ وَقَالَ لَنَا فَقَالَ"},
    {u"002", u"الله لا إله إلا هو الحي القيوم", u"255", u"اللَّهُ لَا إِلَهَ إِلَّا هُوَ الْحَيُّ الْقَيُّومُ"},
};

std::u16string plainLine(const Verse& v) { return v.code + v.plain + u" " + v.number; }
std::u16string listedRow(const Verse& v) { return v.plain + u" " + v.number; }

void writeLines(const fs::path& file, const std::vector<std::u16string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const auto& line : lines) out << sahifex::store::encodeWin1256(line) << "\r\n";
}

void writePlain(const fs::path& dir, const std::vector<Verse>& verses) {
    std::vector<std::u16string> lines;
    for (const auto& v : verses) lines.push_back(plainLine(v));
    writeLines(dir / "QuranV.Qur", lines);
}

void writeVocalized(const fs::path& dir, const std::vector<Verse>& verses) {
    std::vector<std::u16string> lines;
    for (const auto& v : verses) lines.push_back(v.vocalized);
    writeLines(dir / "QuranT.Qur", lines);
}

// The main window on the fakes, with its own verse files in a folder of its own.
struct WordSearch : sahifex::testing::TempFolder, AppFixture {
    WordSearch() : TempFolder("word-search"), AppFixture(path()) {
        main.verseChannels().expect({}); // files of its own
        writePlain(dir(), kSample);
        writeVocalized(dir(), kSample);
        // The search box had the focus, which switches to Arabic.
        fake.activeLayout = "00000401";
    }

    const fs::path& dir() const { return services.programDir; }

    void search(const std::u16string& word) {
        main.Text1.setText(word);
        main.Command1_Click();
    }

    std::vector<std::u16string> codes() const { return main.List3.items(); }
};

// ---- the key filter

int16_t keyThroughFilter(sahifex::app::Options_Form& form, char16_t c) {
    auto key = static_cast<int16_t>(c);
    form.Text1_KeyPress(key);
    return key;
}

TEST_F(WordSearch, KeyFilterLetsEveryArabicLetterFromHamzaToYehThrough) {
    for (char16_t c : {u'ء', u'آ', u'أ', u'ؤ', u'إ', u'ئ', u'ا', u'ب', u'ق', u'ي'})
        EXPECT_EQ(keyThroughFilter(main, c), static_cast<int16_t>(c)) << utf8({c});
    EXPECT_EQ(keyThroughFilter(main, 8), 8); // Backspace
}

TEST_F(WordSearch, KeyFilterDiscardsLatinDigitsSpacesPunctuationAndDiacritics) {
    for (char16_t c : {u'a', u'Z', u'1', u'٣', u' ', u'.', u'،', u'؟', u'\u064E', u'\u0620', u'\u064B'})
        EXPECT_EQ(keyThroughFilter(main, c), 0) << utf8({c});
    EXPECT_TRUE(main.List1.items().empty()); // no key started a search
}

TEST_F(WordSearch, UnderTheFlexibleSearchPersianAndUrduLettersAreTypedAsTheArabicOnes) {
    const std::u16string persian = u"\u06CC\u06D0\u06CD\u06A9\u06D5\u06C1\u06C0";
    std::u16string typed;
    for (const bool flexible : {false, true}) {
        main.FlexibleSearch.setValue(flexible ? 1 : 0);
        for (char16_t c : persian) typed += static_cast<char16_t>(keyThroughFilter(main, c));
        typed += u'|';
    }
    EXPECT_EQ(utf8(typed), utf8(std::u16string(7, u'\0') + u"|يييكههه|"));
}

TEST_F(WordSearch, EnterStartsTheSearchAndIsNotDiscarded) {
    main.Text1.setText(u"القيوم");
    EXPECT_EQ(keyThroughFilter(main, 13), 13);
    EXPECT_EQ(codes(), std::vector<std::u16string>{u"002"});
    EXPECT_EQ(fake.pasted.size(), 1u);
}

// ---- what matches

TEST_F(WordSearch, WholeWordModeFindsTheWordButNotALongerOne) {
    search(u"قال");
    // 1:1 has it between spaces, 2:5 as its first word; قالوا and وقال do not count.
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{listedRow(kSample[0]), listedRow(kSample[7])}));
}

TEST_F(WordSearch, PartOfWordModeFindsTheWordInsideOthersToo) {
    main.Check9.setValue(1);
    search(u"قال");
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{listedRow(kSample[0]), listedRow(kSample[1]),
                                           listedRow(kSample[2]), listedRow(kSample[6]),
                                           listedRow(kSample[7])}));
    EXPECT_EQ(main.Text1.text(), u""); // several results: the box is emptied
}

TEST_F(WordSearch, RowsHoldTheVerseTextTheVocalizedLineAndTheSurahCodeInStep) {
    main.Check9.setValue(1);
    search(u"سمعنا");
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{u"قالوا سمعنا 2", u"ثم قالوا سمعنا 3"}));
    EXPECT_EQ(main.List2.items(),
              (std::vector<std::u16string>{kSample[1].vocalized, kSample[2].vocalized}));
    EXPECT_EQ(codes(), (std::vector<std::u16string>{u"001", u"001"}));
}

TEST_F(WordSearch, TheLastWordOfAVerseIsFoundInWholeWordMode) {
    search(u"العالمين");
    EXPECT_EQ(codes(), std::vector<std::u16string>{u"002"});
    EXPECT_EQ(main.Label5.caption(), u"3");
}

TEST_F(WordSearch, TheFirstWordOfAVerseIsFoundInWholeWordMode) {
    main.Check2.setValue(1); // keep the sent text plain, to see which verse it was
    search(u"الم");
    // الم alone is 2:1; المص in 2:2 is another word.
    ASSERT_EQ(main.List1.items(), std::vector<std::u16string>{u"الم 1"});
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"[الم] البقرة:1"});
}

TEST_F(WordSearch, TheWholeLineIsSearchedSurahCodeAndVerseNumberIncluded) {
    main.Check9.setValue(1);
    search(u"001");
    EXPECT_EQ(codes(), (std::vector<std::u16string>{u"001", u"001", u"001"}));
    search(u"255");
    EXPECT_EQ(codes(), std::vector<std::u16string>{u"002"});
}

TEST_F(WordSearch, PrefixedFormsListAVerseOncePerFormItHolds) {
    main.Check6.setValue(1);
    search(u"قال");
    EXPECT_EQ(main.Text2.text(), u" وقال ");
    EXPECT_EQ(main.Text6.text(), u" فقال ");
    // 1:1 by the word; 2:4 by وقال as its first word; 2:5 by the word, وقال and فقال.
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{listedRow(kSample[0]), listedRow(kSample[6]),
                                           listedRow(kSample[7]), listedRow(kSample[7]),
                                           listedRow(kSample[7])}));
    EXPECT_EQ(main.List2.ListCount(), 5);
    EXPECT_EQ(main.List3.ListCount(), 5);
}

TEST_F(WordSearch, PrefixedFormsAreBuiltFromTheTextBeforeItIsTrimmed) {
    main.Check6.setValue(1);
    search(u"  قال ");
    EXPECT_EQ(main.Text2.text(), u" و  قال  ");
    EXPECT_EQ(main.Text6.text(), u" ف  قال  ");
    // The term itself was trimmed and found; the spaced forms match nothing.
    EXPECT_EQ(main.List1.ListCount(), 2);
}

// ---- the flexible search

TEST_F(WordSearch, FlexibleSearchInWholeWordModeStillRefusesALongerWord) {
    main.FlexibleSearch.setValue(1);
    search(u"قال");
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{listedRow(kSample[0]), listedRow(kSample[7])}));
}

// Verses spelled with the letters that the flexible search folds.
const std::vector<Verse> kSpellings = {
    {u"005", u"فأكله الذئب", u"1", u"فَأَكَلَهُ الذِّئْبُ"},
    {u"005", u"أكل السبع", u"2", u"أَكَلَ السَّبُعُ"},
    {u"005", u"قال أكلوا منها", u"3", u"قَالَ أَكَلُوا مِنْهَا"},
    {u"005", u"وأقيموا الصلاة", u"4", u"وَأَقِيمُوا الصَّلَاةَ"},
    {u"005", u"قال موسى لقومه", u"5", u"قَالَ مُوسَى لِقَوْمِهِ"},
    {u"005", u"إن الله رءوف رحيم", u"6", u"إِنَّ اللَّهَ رَءُوفٌ رَحِيمٌ"},
    {u"005", u"كان عنه مسئولا", u"7", u"كَانَ عَنْهُ مَسْئُولًا"},
    {u"005", u"لو أكل منه", u"8", u"لَوْ أَكَلَ مِنْهُ"},
};

struct FlexibleWordSearch : WordSearch {
    FlexibleWordSearch() {
        writePlain(dir(), kSpellings);
        writeVocalized(dir(), kSpellings);
    }
    std::vector<std::u16string> rows(std::initializer_list<int> verses) const {
        std::vector<std::u16string> listed;
        for (int n : verses) listed.push_back(listedRow(kSpellings[n - 1]));
        return listed;
    }
};

TEST_F(FlexibleWordSearch, AWordIsFoundWhateverAlefCarriesItsHamzaAndListedAsTheFileSpellsIt) {
    search(u"اكل");
    EXPECT_EQ(main.Label10.caption(), u"غير موجودة") << "without the option the search is exact";
    main.FlexibleSearch.setValue(1);
    // أكل between spaces in 2 and 8; not أكلوا, nor فأكله.
    for (const char16_t* typed : {u"اكل", u"أكل", u"إكل", u"آكل", u"\u0671كل"}) {
        search(typed);
        EXPECT_EQ(main.List1.items(), rows({2, 8})) << utf8(typed);
    }
    main.Check9.setValue(1);
    search(u"اكل");
    EXPECT_EQ(main.List1.items(), rows({1, 2, 3, 8})) << "part of a word";
}

TEST_F(FlexibleWordSearch, ThePrefixedFormsAreFoldedToo) {
    main.FlexibleSearch.setValue(1);
    main.Check6.setValue(1);
    main.Check2.setValue(1);
    search(u"اكله");
    // " فاكله " finds فأكله, the first word of 5:1; the file's text is pasted.
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"[فأكله الذئب] المائدة:1"});
}

TEST_F(FlexibleWordSearch, TodaysSpellingsFindTheVerses) {
    main.FlexibleSearch.setValue(1);
    // ة typed as ه, ى as ي, and the hamza on today's seat where the verse has another.
    for (const char16_t* typed : {u"الصلاه", u"موسي", u"رؤوف", u"مسؤولا"}) search(typed);
    EXPECT_EQ(fake.pasted, (std::vector<std::u16string>{
                               u"[" + kSpellings[3].vocalized + u"] المائدة:4",
                               u"[" + kSpellings[4].vocalized + u"] المائدة:5",
                               u"[" + kSpellings[5].vocalized + u"] المائدة:6",
                               u"[" + kSpellings[6].vocalized + u"] المائدة:7"}));
}

// ---- the options command word

TEST_F(WordSearch, TheCommandWordOpensTheOptionsPanelInsteadOfSearching) {
    main.List1.AddItem(u"earlier row");
    main.Picture8.setTop(45);
    search(u"خيارات");
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(main.Pic_search_settings.visible());
    // Whole in the window, under the search strip.
    EXPECT_EQ(sahifex::testing::windowFaults(main), std::vector<std::string>{});
    EXPECT_GE(main.Pic_search_settings.top(), main.Title.top() + main.Title.height());
    EXPECT_EQ(main.Picture8.height(), main.height() - 45 - 50);
    EXPECT_EQ(fake.logLine(), "clear");
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(main.List1.items(), std::vector<std::u16string>{u"earlier row"});
    EXPECT_EQ(fake.yields, 0);
}

TEST_F(WordSearch, TheCommandWordIsSearchedLikeAnyWordInPartOfWordMode) {
    main.Check9.setValue(1);
    main.Pic_search_settings.setVisible(true);
    search(u"خيارات");
    EXPECT_FALSE(main.Pic_search_settings.visible());
    EXPECT_EQ(main.Label10.caption(), u"غير موجودة");
    EXPECT_EQ(main.Text1.text(), u"خيارات");
    // With spaces around it (copy tracking can deliver them) it is the command again,
    // under the flexible search too.
    for (int flexible : {0, 1}) {
        main.Pic_search_settings.setVisible(false);
        main.FlexibleSearch.setValue(flexible);
        search(u" خيارات ");
        EXPECT_TRUE(main.Pic_search_settings.visible()) << "flexible: " << flexible;
    }
}

// ---- nothing found

TEST_F(WordSearch, NothingFoundShowsTheNoticeAndKeepsTheTerm) {
    main.Show();
    main.Timer2.setInterval(700);
    search(u"كلمة");
    EXPECT_EQ(main.Label10.caption(), u"غير موجودة");
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_EQ(main.Timer2.interval(), 500);
    EXPECT_EQ(main.Text1.text(), u" كلمة ");
    EXPECT_EQ(main.Label1.caption(), u"0");
    EXPECT_EQ(main.Label9.caption(), u"0");
    EXPECT_TRUE(main.visible()); // Check8 not ticked: the window stays
    EXPECT_TRUE(main.List1.visible());
    EXPECT_EQ(fake.logLine(), "");
}

TEST_F(WordSearch, NothingFoundHidesTheWindowWhenTrackingIsTicked) {
    main.Show();
    main.Check8.setValue(1);
    search(u"كلمة");
    EXPECT_FALSE(main.visible());
    // Enter repeats the same search.
    main.Command1_Click();
    EXPECT_EQ(main.Text1.text(), u" كلمة ");
    EXPECT_EQ(fake.yields, 2);
}

TEST_F(WordSearch, AnEmptyBoxOrTheStartPictureStopsTheSearchBeforeAnythingChanges) {
    main.List1.AddItem(u"earlier row");
    main.Picture1.setVisible(true);
    search(u"");
    main.StartIt.setVisible(true);
    search(u"قال");
    EXPECT_EQ(main.List1.ListCount(), 1);
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_EQ(main.Text1.text(), u"قال");
    EXPECT_EQ(fake.yields, 0);
}

// ---- exactly one match: the direct send

TEST_F(WordSearch, OneMatchIsPastedAtOnceWithItsReference) {
    main.Show();
    search(u"القيوم");
    EXPECT_EQ(fake.logLine(), "clear | set:[" + utf8(kSample[8].vocalized) +
                                  "] البقرة:255 | layout:00000409 | ^v | layout:00000401");
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"[" + kSample[8].vocalized + u"] البقرة:255"});
    EXPECT_EQ(main.ComposedText, fake.pasted.front());
    EXPECT_FALSE(main.visible());
    EXPECT_FALSE(main.Label9.visible());
    EXPECT_EQ(main.Picture8.height(), 1130 - main.Picture8.top() - 50);
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(main.Label1.caption(), u"1");
    EXPECT_EQ(fake.activeLayout, "00000401");
}

TEST_F(WordSearch, OneMatchWithOrnateBracketsIsPastedBetweenThem) {
    main.OrnateBrackets.setValue(1);
    search(u"القيوم");
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"\uFD3F" + kSample[8].vocalized + u"\uFD3E البقرة:255"});
}

TEST_F(WordSearch, OneMatchWithoutTheReferenceOptionPastesTheVerseAlone) {
    main.Check5.setValue(0);
    search(u"القيوم");
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{kSample[8].vocalized});
}

TEST_F(WordSearch, OneMatchWithoutDiacriticsPastesThePlainTextWithoutItsNumber) {
    main.Check2.setValue(1);
    search(u"القيوم");
    EXPECT_EQ(fake.pasted, std::vector<std::u16string>{u"[" + kSample[8].plain + u"] البقرة:255"});
}

TEST_F(WordSearch, TheOnlyMatchTwoTwoEightyTwoIsPastedFromTheBuiltInText) {
    const std::vector<Verse> verses = {
        {u"002", u"يا أيها الذين آمنوا إذا تداينتم بدين", u"282", u"يَا أَيُّهَا (short)"}};
    writePlain(dir(), verses);
    writeVocalized(dir(), verses);
    main.LongVerseText = std::u16string(sahifex::store::kLongVersePart1) +
                         std::u16string(sahifex::store::kLongVersePart2);
    search(u"تداينتم");
    ASSERT_EQ(fake.pasted.size(), 1u);
    EXPECT_EQ(fake.pasted.front(), u"[" + main.LongVerseText + u"] البقرة:282");
    EXPECT_NE(fake.pasted.front().find(u"فَإِنْ لَمْ يَكُونَا رَجُلَيْنِ"), std::u16string::npos);
    // Without diacritics the row's own text goes.
    main.Check2.setValue(1);
    search(u"تداينتم");
    EXPECT_EQ(fake.pasted.back(), u"[" + verses[0].plain + u"] البقرة:282");
}

TEST_F(WordSearch, AClipboardThatCannotBeWrittenPastesNothingAndSaysSo) {
    fake.clipboardWritable = false;
    search(u"القيوم");
    EXPECT_EQ(fake.logLine(), "clear | set failed");
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Label10.caption(), u"تعذرت الكتابة في الحافظة، فلم تُرسل الآية");
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_TRUE(main.visible()); // back, so that the notice can be read
    EXPECT_EQ(main.Text1.text(), u" القيوم "); // Enter tries again
    fake.clipboardWritable = true;
    main.Command1_Click();
    EXPECT_EQ(fake.pasted.size(), 1u);
}

// The direct send reports a verse the editor did not take as the list's send does,
// instead of hiding the window as if it had arrived.
TEST_F(WordSearch, OneMatchThatTheEditorDidNotTakeStaysOnTheClipboardAndTheWindowSaysSo) {
    fake.editorFetches = false;
    search(u"القيوم");
    const std::u16string text = u"[" + kSample[8].vocalized + u"] البقرة:255";
    EXPECT_EQ(fake.clipboardText, text);
    EXPECT_EQ(main.Label10.caption(), u"لم تصل الآية إلى المحرر، وهي في الحافظة: الصقها بـ Ctrl+V");
    EXPECT_TRUE(main.Picture1.visible());
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(fake.activeLayout, "00000401");
}

// ---- several matches

TEST_F(WordSearch, SeveralMatchesShowTheListWithTheFirstRowSelectedAndFocused) {
    main.StartIt.setVisible(false);
    search(u"قال");
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(main.List1.visible());
    EXPECT_EQ(main.List1.listIndex(), 0);
    EXPECT_EQ(main.List2.listIndex(), 0);
    EXPECT_EQ(main.focused(), &main.List1);
    EXPECT_EQ(main.Label4.caption(), u"الفاتحة");
    EXPECT_EQ(main.Label5.caption(), u"1");
    EXPECT_EQ(main.Label9.caption(), u"2");
    EXPECT_TRUE(main.Label9.visible());
    EXPECT_EQ(main.Picture8.height(), 2050 - main.Picture8.top() - 50);
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(fake.yields, 2);
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(fake.logLine(), "");
}

TEST_F(WordSearch, TheListIsHiddenAndStillHoldsTheOldRowsDuringTheFirstYield) {
    main.List1.AddItem(u"old row");
    bool listVisible = true;
    int rowsDuringYield = -1;
    fake.atYield(1, [&] {
        listVisible = main.List1.visible();
        rowsDuringYield = main.List1.ListCount();
    });
    search(u"قال");
    EXPECT_FALSE(listVisible);
    EXPECT_EQ(rowsDuringYield, 1);
    EXPECT_EQ(main.List1.ListCount(), 2);
}

TEST_F(WordSearch, ATickDuringTheLastYieldCanHideTheListOrTheWindow) {
    fake.atYield(2, [&] { main.List1.setVisible(false); });
    EXPECT_NO_THROW(search(u"قال"));
    fake.atYield(4, [&] {
        main.StartIt.setVisible(true);
        main.Hide();
    });
    EXPECT_NO_THROW(search(u"قال"));
    EXPECT_FALSE(main.StartIt.visible()); // hidden again after the yield
}

TEST_F(WordSearch, ASecondSearchStartedDuringTheFirstYieldLeavesOneConsistentResult) {
    main.Check9.setValue(1);
    fake.atYield(1, [&] { search(u"سمعنا"); });
    search(u"قال");
    // The inner search took the box's word and emptied it; its rows stand, and the
    // outer search does not go on to search for "", which every verse contains.
    EXPECT_EQ(main.List1.items(),
              (std::vector<std::u16string>{u"قالوا سمعنا 2", u"ثم قالوا سمعنا 3"}));
    EXPECT_EQ(main.List2.ListCount(), 2);
    EXPECT_EQ(main.List3.ListCount(), 2);
    EXPECT_TRUE(main.List1.visible());
}

// ---- faults of the verse files

struct VerseFileFaults : WordSearch {
    void expectFault(const std::u16string& message) {
        EXPECT_EQ(main.Label10.caption(), message);
        EXPECT_TRUE(main.Picture1.visible());
        EXPECT_TRUE(main.List1.items().empty());
        EXPECT_TRUE(main.List2.items().empty());
        EXPECT_TRUE(main.List3.items().empty());
        EXPECT_TRUE(main.List1.visible());
        EXPECT_GT(main.Picture1.height(), main.Label10.top() + main.Label10.height() - 1);
    }

    // Searches with the window shown and the tracking timer at 700: a fault changes
    // neither, nor the count labels or the clipboard; the window only grows to hold
    // the notice.
    void searchExpectingNothingElse(const std::u16string& word) {
        main.Show();
        main.Timer2.setInterval(700);
        main.Label1.setCaption(u"7");
        const int height = main.height();
        search(word);
        EXPECT_TRUE(main.visible());
        EXPECT_EQ(main.Timer2.interval(), 700);
        EXPECT_EQ(main.Label1.caption(), u"7");
        EXPECT_GE(main.height(), height);
        EXPECT_LT(main.Picture1.top() + main.Picture1.height(), main.height());
        EXPECT_EQ(fake.logLine(), "");
        EXPECT_TRUE(fake.pasted.empty());
    }
};

TEST_F(VerseFileFaults, AMissingPlainFileIsReportedByName) {
    fs::remove(dir() / "QuranV.Qur");
    searchExpectingNothingElse(u"القيوم");
    expectFault(u"تعذرت قراءة ملف الآيات QuranV.Qur");
    // The term stays, and the search works once the file is back.
    EXPECT_EQ(main.Text1.text(), u" القيوم ");
    writePlain(dir(), kSample);
    main.Command1_Click();
    EXPECT_EQ(fake.pasted.size(), 1u);
}

TEST_F(VerseFileFaults, AMissingVocalizedFileIsReportedByName) {
    fs::remove(dir() / "QuranT.Qur");
    searchExpectingNothingElse(u"قال");
    expectFault(u"تعذرت قراءة ملف الآيات QuranT.Qur");
}

TEST_F(VerseFileFaults, AFaultMetByTrackingWhileTheWindowIsHiddenShowsItWithTheNotice) {
    fs::remove(dir() / "QuranV.Qur");
    main.Hide();
    main.Timer2.setInterval(700);
    fake.userCopies(u"القيوم");
    fake.advance(700);
    EXPECT_TRUE(main.visible());
    expectFault(u"تعذرت قراءة ملف الآيات QuranV.Qur");
    EXPECT_EQ(main.Text1.text(), u" القيوم ") << "Enter searches again once the file is back";
}

TEST_F(VerseFileFaults, AnUnreadableVerseFileIsReportedByName) {
    fs::remove(dir() / "QuranT.Qur");
    fs::create_directory(dir() / "QuranT.Qur");
    searchExpectingNothingElse(u"قال");
    expectFault(u"تعذرت قراءة ملف الآيات QuranT.Qur");
}

TEST_F(VerseFileFaults, AVocalizedFileShorterThanThePlainFileKeepsNoPartialRows) {
    // 1:1 matches before the vocalized file runs out.
    writeVocalized(dir(), std::vector<Verse>(kSample.begin(), kSample.begin() + 4));
    searchExpectingNothingElse(u"قال");
    expectFault(u"تعذرت قراءة ملف الآيات QuranT.Qur");
    // The notice closes with the next search.
    writeVocalized(dir(), kSample);
    search(u"قال");
    EXPECT_FALSE(main.Picture1.visible());
    EXPECT_EQ(main.List1.ListCount(), 2);
}

TEST_F(VerseFileFaults, TheNoticePanelHoldsALongMessageAndShrinksForAShortOne) {
    const int designWidth = main.Picture1.width();
    fs::remove(dir() / "QuranV.Qur");
    search(u"قال");
    const std::u16string message = main.Label10.caption();
    EXPECT_GT(main.Picture1.width(), designWidth) << "the message spans more than the panel made for a word";
    EXPECT_LE(main.Label10.left() + main.Label10.width(), main.Picture1.width());
    EXPECT_EQ(main.Label10.height(), fake.wrappedTextHeight(message, main.Label10.width(),
                                                            main.Label10.fontSize()));
    writePlain(dir(), kSample);
    search(u"كلمة");
    EXPECT_EQ(main.Label10.caption(), u"غير موجودة");
    EXPECT_EQ(main.Picture1.width(), designWidth);
    EXPECT_GE(main.Picture1.height(), 420); // never below its designed height
}

TEST_F(WordSearch, ASearchWhileTheSearchByNumberHoldsTheFilesDoesNothing) {
    main.List1.AddItem(u"earlier row");
    {
        const auto held = main.verseChannels().readWhole(dir());
        EXPECT_NO_THROW(search(u"قال"));
        EXPECT_EQ(main.Text1.text(), u"قال");
        EXPECT_EQ(main.List1.items(), std::vector<std::u16string>{u"earlier row"});
        EXPECT_FALSE(main.Picture1.visible());
        EXPECT_EQ(fake.yields, 0);
    }
    main.Command1_Click();
    EXPECT_EQ(main.List1.ListCount(), 2);
}

// ---- the program's own verse files

struct WordSearchOnTheProgramsFiles : AppFixture {
    WordSearchOnTheProgramsFiles() { fake.activeLayout = "00000401"; }
    void SetUp() override {
        if (fs::file_size(fs::path(SAHIFEX_DATA_DIR) / "QuranV.Qur") == 0)
            GTEST_FAIL() << "the verse files in " SAHIFEX_DATA_DIR " are empty";
    }
    void search(const std::u16string& word) {
        main.Text1.setText(word);
        main.Command1_Click();
    }
};

TEST_F(WordSearchOnTheProgramsFiles, AlifLamMimFindsTheSixVersesThatAreThatWord) {
    search(u"الم");
    EXPECT_EQ(main.List3.items(), (std::vector<std::u16string>{u"002", u"003", u"029", u"030",
                                                               u"031", u"032"}));
    EXPECT_EQ(main.List1.List(0), u"الم 1");
    EXPECT_EQ(main.Label4.caption(), u"البقرة");
}

TEST_F(WordSearchOnTheProgramsFiles, AWordOfOneVerseOnlyIsPastedAtOnce) {
    search(u"يئوده");
    // 2:255 is line 7 + 255 of the files.
    sahifex::testing::VerseFile vocalized(fs::path(SAHIFEX_DATA_DIR) / "QuranT.Qur");
    std::u16string line;
    for (int n = 0; n < 7 + 255; ++n) line = vocalized.readLine();
    ASSERT_EQ(fake.pasted.size(), 1u);
    EXPECT_EQ(fake.pasted.front(), u"[" + line + u"] البقرة:255");
    EXPECT_NE(line.find(u"\u064F"), std::u16string::npos); // the vocalized line, with its damma
}

TEST_F(WordSearchOnTheProgramsFiles, WholeWordAndPartOfWordDifferOnQaala) {
    search(u"قال");
    const int whole = main.List1.ListCount();
    main.Check9.setValue(1);
    search(u"قال");
    const int part = main.List1.ListCount();
    EXPECT_GT(whole, 1);
    EXPECT_GT(part, whole);
    for (const auto& row : main.List1.items()) EXPECT_NE(row.find(u"قال"), std::u16string::npos);
}

// ---- copies of the program's files, damaged or rewritten

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ShippedCopies : sahifex::testing::TempFolder, AppFixture {
    ShippedCopies() : TempFolder("shipped-copies"), AppFixture(path()) {
        for (const char* name : {"QuranV.Qur", "QuranT.Qur"}) write(name, shipped(name));
        fake.activeLayout = "00000401";
    }
    static const std::string& shipped(const std::string& name) {
        static const std::string plain = bytesOf(fs::path(SAHIFEX_DATA_DIR) / "QuranV.Qur");
        static const std::string vocalized = bytesOf(fs::path(SAHIFEX_DATA_DIR) / "QuranT.Qur");
        return name == "QuranV.Qur" ? plain : vocalized;
    }
    // The rows of a search for a common word, or the notice it showed instead.
    std::u16string outcome() {
        main.Text1.setText(u"قال");
        main.Command1_Click();
        if (main.Picture1.visible()) return main.Label10.caption();
        return sahifex::store::fromUtf8(std::to_string(main.List1.ListCount())) + u" rows";
    }
};

// The files are fixed data: a copy cut short, overwritten or holding a line no verse
// has is a fault of that file, never text for the document.
TEST_F(ShippedCopies, ADamagedVerseFileIsAFileFault) {
    const std::u16string whole = outcome();
    ASSERT_EQ(whole, u"371 rows");
    for (const char* name : {"QuranV.Qur", "QuranT.Qur"}) {
        const std::string good = shipped(name);
        std::string random(good.size(), '\0');
        std::mt19937 bytes(7);
        for (char& c : random) c = static_cast<char>(bytes());
        std::string longLine = good;
        longLine.insert(good.size() / 2, std::string(1 << 20, '\xC7'));
        std::string oneByteChanged = good;
        oneByteChanged[good.size() / 3] ^= 1;
        for (const std::string& damaged :
             {good.substr(0, good.size() - 12), random, longLine, oneByteChanged}) {
            write(name, damaged);
            EXPECT_EQ(outcome(), u"تعذرت قراءة ملف الآيات " + sahifex::store::fromUtf8(name))
                << name << ", " << damaged.size() << " bytes";
            EXPECT_TRUE(fake.pasted.empty());
        }
        write(name, good);
        EXPECT_EQ(outcome(), whole) << name << " restored";
    }
}

#ifndef _WIN32
// Another program rewriting a verse file in place (truncating it, then writing it
// again) while searches run: each search lists the whole result or reports the file,
// and the searching process never dies of it.
TEST_F(ShippedCopies, SearchesWhileTheFileIsRewrittenInPlaceSeeItWholeOrReportIt) {
    const std::u16string whole = outcome();
    const std::u16string fault = u"تعذرت قراءة ملف الآيات QuranV.Qur";
    const pid_t searcher = fork();
    ASSERT_GE(searcher, 0);
    if (searcher == 0) {
        int wholeResults = 0;
        for (int search = 0; search < 1500; ++search) {
            const std::u16string got = outcome();
            if (got == whole) ++wholeResults;
            else if (got != fault) _exit(2); // a part of the result, or another text
        }
        _exit(wholeResults > 0 ? 0 : 3);
    }
    const std::string& bytes = shipped("QuranV.Qur");
    const fs::path file = path() / "QuranV.Qur";
    int status = 0, rewrites = 0;
    while (waitpid(searcher, &status, WNOHANG) == 0) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC);
        ASSERT_GE(fd, 0);
        // Written in pieces, as an editor or a copy does.
        for (size_t at = 0; at < bytes.size(); at += 65536)
            ASSERT_GT(::write(fd, bytes.data() + at, std::min<size_t>(65536, bytes.size() - at)), 0);
        ::close(fd);
        ++rewrites;
        usleep(500);
    }
    ASSERT_FALSE(WIFSIGNALED(status)) << "the searcher died of signal " << WTERMSIG(status) << " after "
                                      << rewrites << " rewrites";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: a search listed a part of the result; 3: none saw the file whole";
    EXPECT_GT(rewrites, 10);
}
#endif

} // namespace
