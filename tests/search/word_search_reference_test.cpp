// The word search, which matches in the verse files' bytes, against a plain reference
// written here: the files read line pair by line pair with VerseFile, every line
// decoded, and the search's tests made on the decoded lines. For a few hundred words drawn
// from the text, in both modes, with and without the prefixed forms, the rows are the
// same, row for row.

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "store/lenient_text.h"
#include "store/verse_channels.h"
#include "store/win1256.h"
#include "support/app_fixture.h"
#include "support/temp_folder.h"
#include "support/verse_file.h"

namespace {

namespace fs = std::filesystem;
using sahifex::testing::AppFixture;
using sahifex::testing::utf8;

struct Rows {
    std::vector<std::u16string> list1, list2, list3;
    bool operator==(const Rows&) const = default;
};

// ---- the reference: decoded lines, compared character by character

struct LinePair {
    std::u16string plain, vocalized;
};

// Both files read line pair by line pair to the end of the plain file.
std::vector<LinePair> readPairs(const fs::path& dir) {
    sahifex::testing::VerseFile plain(dir / "QuranV.Qur");
    sahifex::testing::VerseFile vocalized(dir / "QuranT.Qur");
    std::vector<LinePair> pairs;
    while (!plain.atEnd()) {
        LinePair pair;
        pair.plain = plain.readLine();
        pair.vocalized = vocalized.readLine();
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

std::u16string trimmed(const std::u16string& text) {
    const size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// Whether the text occurs in the line; with the boundary counted as a space, a text
// that begins with a space also occurs when the rest of it begins the verse text.
bool occursIn(const std::u16string& line, const std::u16string& text, bool boundaryIsSpace) {
    if (line.find(text) != std::u16string::npos) return true;
    if (!boundaryIsSpace || text.empty() || text[0] != u' ' || line.size() < 3) return false;
    return line.compare(3, text.size() - 1, text, 1) == 0;
}

// The flexible search's letters, each replaced by the one it counts as.
std::u16string folded(std::u16string text) {
    static const std::map<char16_t, char16_t> kFolds = {
        {u'أ', u'ا'}, {u'إ', u'ا'}, {u'آ', u'ا'}, {u'\u0671', u'ا'}, {u'ى', u'ي'},
        {u'ة', u'ه'}, {u'ؤ', u'ء'}, {u'ئ', u'ء'}};
    for (char16_t& c : text)
        if (const auto it = kFolds.find(c); it != kFolds.end()) c = it->second;
    return text;
}

struct Mode {
    bool partOfWord = false, withPrefixes = false, flexible = false;
};

Rows referenceRows(const std::vector<LinePair>& pairs, const std::u16string& box, Mode mode) {
    const auto fold = [&](const std::u16string& text) { return mode.flexible ? folded(text) : text; };
    const std::u16string withWaw = fold(u" و" + box + u" ");
    const std::u16string withFa = fold(u" ف" + box + u" ");
    const std::u16string term = fold(mode.partOfWord ? box : u" " + trimmed(box) + u" ");
    Rows rows;
    for (const LinePair& pair : pairs) {
        const std::u16string plain = fold(pair.plain);
        int passes = occursIn(plain, term, !mode.partOfWord) ? 1 : 0;
        if (mode.withPrefixes) {
            passes += occursIn(plain, withWaw, true) ? 1 : 0;
            passes += occursIn(plain, withFa, true) ? 1 : 0;
        }
        for (int i = 0; i < passes; ++i) {
            rows.list1.push_back(pair.plain.size() > 3 ? pair.plain.substr(3) : u"");
            rows.list2.push_back(pair.vocalized);
            rows.list3.push_back(pair.plain.substr(0, 3));
        }
    }
    return rows;
}

// ---- the words

// The words of the verse texts (between the surah code and the verse number).
std::vector<std::u16string> wordsOf(const std::vector<LinePair>& pairs) {
    std::vector<std::u16string> words;
    for (const LinePair& pair : pairs) {
        const std::u16string text = pair.plain.substr(3, pair.plain.rfind(u' ') - 3);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find(u' ', start);
            if (end == std::u16string::npos) end = text.size();
            if (end > start) words.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return words;
}

// A few hundred words: whole words drawn at random from the text (so common words come
// often and rare ones too), pieces of words, and the edge cases of the search.
std::vector<std::u16string> wordsToSearch(const std::vector<LinePair>& pairs) {
    const std::vector<std::u16string> words = wordsOf(pairs);
    std::mt19937 random(2024);
    std::set<std::u16string> chosen;
    while (chosen.size() < 220) chosen.insert(words[random() % words.size()]);
    std::vector<std::u16string> search(chosen.begin(), chosen.end());
    // Pieces: the middle of a word, its start, its end.
    for (int pieces = 0; pieces < 70;) {
        const std::u16string& word = words[random() % words.size()];
        if (word.size() < 3) continue;
        ++pieces;
        const size_t from = random() % (word.size() - 2);
        search.push_back(word.substr(from, 2 + random() % (word.size() - from - 1)));
    }
    for (const char16_t* word :
         {u"قال", u"الم", u"يئوده", u"الصمد", u"مدهامتان", u"العالمين", u"و", u"ف", u"ا",
          u"255", u"001", u"1", u"2 ", u" قال ", u"قال  ", u"  ", u" ", u"ال ", u"قال الله",
          u"قَالَ", u"قال\u0670", u"ڤ", u"?", u"قال\r\nرب", u"\n"})
        search.push_back(word);
    return search;
}

// ---- the comparison

struct AgainstTheReference : AppFixture {
    explicit AgainstTheReference(fs::path dir = SAHIFEX_DATA_DIR) : AppFixture(std::move(dir)) {
        fake.activeLayout = "00000401";
    }

    Rows search(const std::u16string& box, Mode mode) {
        main.Check9.setValue(mode.partOfWord ? 1 : 0);
        main.Check6.setValue(mode.withPrefixes ? 1 : 0);
        main.FlexibleSearch.setValue(mode.flexible ? 1 : 0);
        main.Text1.setText(box);
        main.Command1_Click();
        return {main.List1.items(), main.List2.items(), main.List3.items()};
    }

    // Every word in the four modes, exact or flexible; returns how many rows were compared.
    size_t compare(const std::vector<std::u16string>& words, bool flexible = false) {
        const std::vector<LinePair> pairs = readPairs(services.programDir);
        size_t compared = 0;
        for (const std::u16string& word : words)
            for (bool partOfWord : {false, true})
                for (bool withPrefixes : {false, true}) {
                    // The command word opens the options panel: no search to compare.
                    if (!partOfWord && trimmed(word) == u"خيارات") continue;
                    // The flexible search reads the word as written (its own tests show
                    // how); a word of nothing but spaces or marks is no search.
                    const std::u16string term = flexible ? sahifex::store::lenientTyped(word) : word;
                    if (term.empty()) continue;
                    const Mode mode{partOfWord, withPrefixes, flexible};
                    const Rows expected = referenceRows(pairs, term, mode);
                    const Rows rows = search(word, mode);
                    EXPECT_TRUE(rows == expected)
                        << "\"" << utf8(word) << "\" " << (partOfWord ? "part of a word" : "whole word")
                        << (withPrefixes ? ", with the prefixed forms" : "")
                        << (flexible ? ", flexible" : "") << ": "
                        << rows.list1.size() << " rows, the reference has " << expected.list1.size();
                    compared += expected.list1.size();
                }
        return compared;
    }
};

TEST_F(AgainstTheReference, AFewHundredWordsOfTheTextGiveTheSameRows) {
    const std::vector<std::u16string> words = wordsToSearch(readPairs(SAHIFEX_DATA_DIR));
    ASSERT_GE(words.size(), 300u);
    const size_t compared = compare(words);
    EXPECT_GT(compared, 20000u) << "common words with long lists are among them";
}

TEST_F(AgainstTheReference, TheFlexibleSearchGivesTheRowsOfTheFoldedReference) {
    std::vector<std::u16string> words = wordsToSearch(readPairs(SAHIFEX_DATA_DIR));
    words.resize(150);
    // Words written as today's writers type them, words of folded letters alone, which
    // no byte of their own can anchor, and words with the spaces that mark a word's start
    // or end.
    for (const char16_t* word : {u"اكل", u"آكل", u"\u0671لله", u"الصلاه", u"موسي", u"رؤوف",
                                 u"مسؤولا", u"يؤوده", u"جاؤوا", u"ا", u"اه", u"ى", u"ء", u"ؤ",
                                 u"ائ", u"هي", u"ايه", u"آيه", u" قال ", u"ال ", u" الم", u" َ "})
        words.push_back(word);
    const size_t compared = compare(words, true);
    EXPECT_GT(compared, 20000u);
}

// Small files with every kind of line end, lines shorter than the surah code, empty
// lines and a last line without a line end.
struct AgainstTheReferenceOnOddFiles : sahifex::testing::TempFolder, AgainstTheReference {
    AgainstTheReferenceOnOddFiles() : TempFolder("reference"), AgainstTheReference(path()) {
        main.verseChannels().expect({}); // files of its own
    }

    void write(const char* name, const std::u16string& text) {
        std::ofstream(services.programDir / name, std::ios::binary)
            << sahifex::store::encodeWin1256(text);
    }
};

TEST_F(AgainstTheReferenceOnOddFiles, LineEndsOfEveryKindGiveTheSameRows) {
    write("QuranV.Qur", u"001قال ربي 1\r\n002قال\r003 قال 2\n\n004وقال فقال 3\r\n\r\n"
                        u"01\r\n005قال\n\r006 فقال 7\r\r\n007قال قال 9");
    write("QuranT.Qur", u"الأولى\n\rالثانية\r\nالثالثة\r\r\nالرابعة\rالخامسة\n"
                        u"السادسة\r\nالسابعة\r\nالثامنة\nالتاسعة\r\nالعاشرة\rالحادية عشرة\n"
                        u"الثانية عشرة\r\nالثالثة عشرة\r\nالرابعة عشرة");
    compare({u"قال", u"ربي", u"ال", u"ق", u"1", u"01", u"0", u"ل", u" ", u"  ", u"قال ربي",
             u"ة"});
    compare({u"قال", u"ال", u"ق", u" ", u"ة", u"ه", u"أ"}, true);
}

TEST_F(AgainstTheReferenceOnOddFiles, AShortVocalizedFileIsAFaultWhateverMatches) {
    write("QuranV.Qur", u"001قال 1\r\n001ربي 2\r\n001كلمة 3\r\n");
    write("QuranT.Qur", u"أ\r\nب\r\n");
    for (const char16_t* word : {u"قال", u"كلمة", u"غائبة"}) {
        const Rows rows = search(word, {});
        EXPECT_TRUE(rows.list1.empty()) << utf8(word);
        EXPECT_EQ(main.Label10.caption(), u"تعذرت قراءة ملف الآيات QuranT.Qur") << utf8(word);
    }
    // One line more, even without a line end, and the search works.
    write("QuranT.Qur", u"أ\r\nب\r\nج");
    EXPECT_EQ(search(u"كلمة", {}).list2, std::vector<std::u16string>{u"ج"});
}

} // namespace
