// The verse files that ship with the program, checked against the Tanzil texts they are
// made from.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "store/long_verse.h"
#include "store/utf.h"
#include "store/verse_channels.h"
#include "store/win1256.h"
#include "support/temp_folder.h"
#include "support/verse_file.h"

namespace sahifex::store {
namespace {

using testing::VerseFile;
using testing::VerseReading;

namespace fs = std::filesystem;

const fs::path kDataDir = SAHIFEX_DATA_DIR;
const fs::path kTanzilDir = SAHIFEX_TANZIL_DIR;

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct SourceVerse {
    int surah;
    int verse;
    std::u16string text;
};

// The "sura|aya|text" lines of a Tanzil text.
std::vector<SourceVerse> sourceVerses(const char* fileName) {
    std::istringstream in(bytesOf(kTanzilDir / fileName));
    std::vector<SourceVerse> verses;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] < '0' || line[0] > '9') continue;
        if (line.back() == '\r') line.pop_back();
        const size_t bar1 = line.find('|');
        const size_t bar2 = line.find('|', bar1 + 1);
        verses.push_back({std::stoi(line.substr(0, bar1)),
                          std::stoi(line.substr(bar1 + 1, bar2 - bar1 - 1)),
                          fromUtf8(line.substr(bar2 + 1))});
    }
    return verses;
}

const std::vector<SourceVerse>& plainSource() {
    static const auto verses = sourceVerses("quran-simple-clean.txt");
    return verses;
}
const std::vector<SourceVerse>& vocalizedSource() {
    static const auto verses = sourceVerses("quran-simple.txt");
    return verses;
}

struct VersePairs {
    std::vector<std::u16string> plain;
    std::vector<std::u16string> vocalized;
};

// Both files, read line pair by line pair as the searches read them.
const VersePairs& shippedVerses() {
    static const VersePairs pairs = [] {
        VersePairs p;
        VerseReading reading(kDataDir);
        while (!reading.atEnd()) {
            p.plain.emplace_back();
            p.vocalized.emplace_back();
            reading.readPair(p.plain.back(), p.vocalized.back());
        }
        return p;
    }();
    return pairs;
}

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct PlainLine {
    int surah = -1;
    std::u16string text;
    int verse = -1;
};

// Splits "SSS" + text + " " + number; surah and verse stay -1 when the line is not so.
PlainLine split(const std::u16string& line) {
    PlainLine p;
    const size_t space = line.rfind(u' ');
    if (line.size() < 6 || space == std::u16string::npos || space < 4 || space + 1 == line.size())
        return p;
    for (size_t i = 0; i < line.size(); ++i)
        if ((i < 3 || i > space) && !isAsciiDigit(line[i])) return p;
    p.surah = std::stoi(toUtf8(line.substr(0, 3)));
    p.text = line.substr(3, space - 3);
    p.verse = std::stoi(toUtf8(line.substr(space + 1)));
    return p;
}

bool carriesBasmalaInFront(int surah, int verse) { return verse == 1 && surah != 1 && surah != 9; }

std::u16string withoutDiacritics(const std::u16string& text) {
    std::u16string out;
    for (char16_t c : text)
        if (c < u'\u064B' || c > u'\u0652') out += c;
    return out;
}

TEST(ShippedVerseFiles, HoldOneVerseALineWithCrLfAndNothingElse) {
    for (const char* name : {kPlainFileName, kVocalizedFileName}) {
        const std::string bytes = bytesOf(kDataDir / name);
        size_t crlf = 0, cr = 0, lf = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            cr += bytes[i] == '\r';
            lf += bytes[i] == '\n';
            crlf += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        }
        EXPECT_EQ(crlf, 6236u) << name;
        EXPECT_EQ(cr, crlf) << name << ": a CR without LF";
        EXPECT_EQ(lf, crlf) << name << ": a LF without CR";
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
        EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos) << name << ": an empty line";
        EXPECT_FALSE(bytes.starts_with("\r\n")) << name << ": an empty line";

        VerseFile file(kDataDir / name);
        while (!file.atEnd()) file.readLine();
        EXPECT_EQ(file.linesRead(), 6236) << name;
    }
    EXPECT_EQ(shippedVerses().plain.size(), 6236u);
}

TEST(ShippedVerseFiles, PlainLinesRunSurahBySurahWithTheSourcesVerseCounts) {
    // The verse counts of the surahs, from the Tanzil text.
    std::map<int, int> sourceCounts;
    for (const SourceVerse& v : plainSource()) {
        ASSERT_EQ(v.verse, sourceCounts[v.surah] + 1) << "the source skips a verse at " << v.surah;
        sourceCounts[v.surah] = v.verse;
    }
    ASSERT_EQ(sourceCounts.size(), 114u);
    EXPECT_EQ(sourceCounts[1], 7);
    EXPECT_EQ(sourceCounts[2], 286);
    EXPECT_EQ(sourceCounts[9], 129);
    EXPECT_EQ(sourceCounts[26], 227);
    EXPECT_EQ(sourceCounts[114], 6);

    std::map<int, int> fileCounts;
    int previousSurah = 1;
    const auto& lines = shippedVerses().plain;
    for (size_t i = 0; i < lines.size(); ++i) {
        const PlainLine p = split(lines[i]);
        ASSERT_GE(p.surah, 1) << "line " << i + 1 << " is not \"SSS\" + text + \" \" + number";
        ASSERT_LE(p.surah, 114) << "line " << i + 1;
        ASSERT_TRUE(p.surah == previousSurah || p.surah == previousSurah + 1) << "line " << i + 1;
        // The k-th line with a surah code is verse k of that surah.
        ASSERT_EQ(p.verse, ++fileCounts[p.surah]) << "line " << i + 1;
        EXPECT_EQ(lines[i].substr(lines[i].size() - std::to_string(p.verse).size()),
                  fromUtf8(std::to_string(p.verse))) << "a verse number with leading zeros";
        previousSurah = p.surah;
    }
    EXPECT_EQ(fileCounts, sourceCounts);
}

TEST(ShippedVerseFiles, TextIsTheTanzilTextWithoutTheBasmalaInFrontOfVerseOne) {
    const std::u16string plainBasmala = u"بسم الله الرحمن الرحيم";
    const std::u16string vocalizedBasmala = vocalizedSource()[0].text;
    const auto& files = shippedVerses();
    ASSERT_EQ(plainSource().size(), files.plain.size());
    ASSERT_EQ(vocalizedSource().size(), files.vocalized.size());
    int basmalasLeftOut = 0;
    for (size_t i = 0; i < files.plain.size(); ++i) {
        const SourceVerse& source = plainSource()[i];
        const PlainLine p = split(files.plain[i]);
        ASSERT_EQ(p.surah, source.surah) << "line " << i + 1;
        ASSERT_EQ(p.verse, source.verse) << "line " << i + 1;
        std::u16string expectedPlain = source.text;
        std::u16string expectedVocalized = vocalizedSource()[i].text;
        if (carriesBasmalaInFront(source.surah, source.verse)) {
            ASSERT_TRUE(expectedPlain.starts_with(plainBasmala + u" ")) << "line " << i + 1;
            ASSERT_TRUE(expectedVocalized.starts_with(vocalizedBasmala + u" ")) << "line " << i + 1;
            expectedPlain.erase(0, plainBasmala.size() + 1);
            expectedVocalized.erase(0, vocalizedBasmala.size() + 1);
            ++basmalasLeftOut;
        }
        EXPECT_EQ(p.text, expectedPlain) << "line " << i + 1;
        EXPECT_EQ(files.vocalized[i], expectedVocalized) << "line " << i + 1;
    }
    EXPECT_EQ(basmalasLeftOut, 112);

    // 1:1 is the basmala itself; 27:30 holds it inside the verse.
    EXPECT_EQ(files.plain[0], u"001" + plainBasmala + u" 1");
    EXPECT_EQ(withoutDiacritics(files.vocalized[0]), plainBasmala);
    const auto verse27_30 = std::find_if(files.plain.begin(), files.plain.end(),
                                         [](const auto& l) { return l.starts_with(u"027") && l.ends_with(u" 30"); });
    ASSERT_NE(verse27_30, files.plain.end());
    EXPECT_TRUE(verse27_30->ends_with(plainBasmala + u" 30"));
}

TEST(ShippedVerseFiles, VocalizedLinesWithoutDiacriticsAreThePlainText) {
    const auto& files = shippedVerses();
    for (size_t i = 0; i < files.plain.size(); ++i) {
        const std::u16string plainText = split(files.plain[i]).text;
        EXPECT_EQ(withoutDiacritics(plainText), plainText) << "line " << i + 1 << " of the plain file";
        EXPECT_EQ(withoutDiacritics(files.vocalized[i]), plainText) << "line " << i + 1;
    }
}

TEST(ShippedVerseFiles, Verse2_1IsAlifLamMim) {
    const auto& files = shippedVerses();
    EXPECT_EQ(files.plain[7], u"002الم 1");
    EXPECT_EQ(files.vocalized[7], u"الم");
}

TEST(ShippedVerseFiles, BytesRoundTripThroughTheCodecWithNothingLost) {
    for (const char* name : {kPlainFileName, kVocalizedFileName}) {
        const std::string bytes = bytesOf(kDataDir / name);
        const std::u16string text = decodeWin1256(bytes);
        EXPECT_EQ(encodeWin1256(text), bytes) << name;
        EXPECT_EQ(text.find(u'?'), std::u16string::npos) << name << ": a character was lost";
    }
}

// The program takes the verse files only with the sums it knows them by.
TEST(ShippedVerseFiles, HaveTheSumsTheProgramChecks) {
    const FileSum plain = sumOf(bytesOf(kDataDir / kPlainFileName));
    const FileSum vocalized = sumOf(bytesOf(kDataDir / kVocalizedFileName));
    EXPECT_EQ(kShippedSums.plain, plain) << "size " << plain.size << ", FNV-1a 0x" << std::hex << plain.fnv1a;
    EXPECT_EQ(kShippedSums.vocalized, vocalized)
        << "size " << vocalized.size << ", FNV-1a 0x" << std::hex << vocalized.fnv1a;
}

TEST(ShippedVerseFiles, AreWhatTheConverterMakesNow) {
    const testing::TempFolder folder("converter");
    const fs::path& out = folder.path();
    std::string command = std::string("\"") + SAHIFEX_QUR_CONVERTER + "\" \"" +
                          kTanzilDir.string() + "\" \"" + out.string() + "\"";
#ifdef _WIN32
    // cmd.exe /c drops the first and the last quote of a line that starts with a quote.
    command = "\"" + command + "\"";
#endif
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {kPlainFileName, kVocalizedFileName, "LICENSE-tanzil.txt"})
        EXPECT_TRUE(bytesOf(out / name) == bytesOf(kDataDir / name))
            << name << " differs from the converter's output; run qur_converter data/tanzil data";
}

TEST(LongVerseText, IsVerse2_282OfTheVocalizedFileSplitBeforeItsSecondPart) {
    const auto& files = shippedVerses();
    const size_t line = 7 + 282 - 1; // surah 1 has 7 verses
    ASSERT_EQ(split(files.plain[line]).surah, 2);
    ASSERT_EQ(split(files.plain[line]).verse, 282);

    EXPECT_EQ(kLongVersePart1.size(), 489u);
    EXPECT_EQ(kLongVersePart2.size(), 658u);
    EXPECT_EQ(std::u16string(kLongVersePart1) + std::u16string(kLongVersePart2), files.vocalized[line]);
    EXPECT_TRUE(kLongVersePart1.ends_with(u' '));
    EXPECT_TRUE(kLongVersePart2.starts_with(u"فَإِنْ لَمْ يَكُونَا رَجُلَيْنِ "));
    EXPECT_EQ(files.vocalized[line].find(u"فَإِنْ لَمْ يَكُونَا رَجُلَيْنِ"), kLongVersePart1.size())
        << "the second part begins at the first occurrence of its opening words";
}

} // namespace
} // namespace sahifex::store
