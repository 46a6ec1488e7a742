#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "store/test_folder.h"
#include "store/verse_channels.h"
#include "store/utf.h"
#include "support/verse_file.h"

namespace sahifex::store {
namespace {

using testing::VerseFile;
using testing::VerseReading;

namespace fs = std::filesystem;

class VerseFilesTest : public TestFolder {
protected:
    // Every line of a file, read as the searches read it.
    std::vector<std::u16string> linesOf(const std::string& bytes) {
        VerseFile file(write("lines.Qur", bytes));
        std::vector<std::u16string> lines;
        while (!file.atEnd()) lines.push_back(file.readLine());
        EXPECT_EQ(file.linesRead(), static_cast<int>(lines.size()));
        return lines;
    }
};

using Lines = std::vector<std::u16string>;

TEST_F(VerseFilesTest, ALineEndsAtCrLfAtALoneCrOrAtALoneLf) {
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (Lines{u"a", u"b"})) << "a final CR LF makes no empty line";
    EXPECT_EQ(linesOf("a\nb\n"), (Lines{u"a", u"b"}));
    EXPECT_EQ(linesOf("a\rb\r"), (Lines{u"a", u"b"}));
    EXPECT_EQ(linesOf("a\r\nb\nc\rd"), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(linesOf("a\r\nb"), (Lines{u"a", u"b"})) << "a last line without a line end";
}

TEST_F(VerseFilesTest, EmptyLinesAreLinesButAnEmptyFileHasNone) {
    EXPECT_EQ(linesOf("a\r\n\r\nb\r\n"), (Lines{u"a", u"", u"b"}));
    EXPECT_EQ(linesOf("\n\n"), (Lines{u"", u""}));
    EXPECT_EQ(linesOf("a\n\r\n"), (Lines{u"a", u""})) << "LF ends a, CR LF ends an empty line";
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(VerseFilesTest, LinesAreDecodedFromWindows1256) {
    EXPECT_EQ(linesOf("002\xC7\xE1\xE3 1\r\n\xC8\xF6\xD3\xFA\xE3\xF6\r\n"),
              (Lines{u"002الم 1", u"بِسْمِ"}));
}

TEST_F(VerseFilesTest, ReadingPastTheEndNamesTheFileAndTheLine) {
    VerseFile file(write(kVocalizedFileName, "a\r\nb\r\n"));
    file.readLine();
    file.readLine();
    ASSERT_TRUE(file.atEnd());
    try {
        file.readLine();
        FAIL() << "read past the end";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), kVocalizedFileName);
        EXPECT_EQ(e.line(), 3);
        EXPECT_NE(std::string(e.what()).find("QuranT.Qur, line 3"), std::string::npos) << e.what();
    }
}

TEST_F(VerseFilesTest, AFileThatCannotBeOpenedIsAnErrorAtLineZero) {
    try {
        VerseFile file(dir / "QuranV.Qur");
        FAIL() << "opened a missing file";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), "QuranV.Qur");
        EXPECT_EQ(e.line(), 0);
    }
    fs::create_directories(dir / "QuranT.Qur");
    EXPECT_THROW(VerseFile(dir / "QuranT.Qur"), VerseFileError) << "a folder is no verse file";
}

TEST_F(VerseFilesTest, PairsAreReadInStepUntilThePlainFileEnds) {
    write(kPlainFileName, "001a 1\r\n001b 2\r\n");
    write(kVocalizedFileName, "A\r\nB\r\nC\r\nD\r\n"); // more lines: the extra ones are never read
    VerseReading reading(dir);
    Lines plain, vocalized;
    while (!reading.atEnd()) {
        std::u16string p, v;
        reading.readPair(p, v);
        plain.push_back(p);
        vocalized.push_back(v);
    }
    EXPECT_EQ(plain, (Lines{u"001a 1", u"001b 2"}));
    EXPECT_EQ(vocalized, (Lines{u"A", u"B"}));
}

TEST_F(VerseFilesTest, AShorterVocalizedFileFailsAtItsFirstMissingLine) {
    write(kPlainFileName, "001a 1\r\n001b 2\r\n001c 3\r\n");
    write(kVocalizedFileName, "A\r\nB\r\n");
    std::u16string p, v;
    try {
        VerseReading reading(dir);
        while (!reading.atEnd()) reading.readPair(p, v);
        FAIL() << "the missing vocalized line went unnoticed";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), kVocalizedFileName);
        EXPECT_EQ(e.line(), 3);
    }
    EXPECT_EQ(p, u"001c 3");
}

// The files read whole for a search belong to it until its last owner ends.
TEST_F(VerseFilesTest, OnlyOneSearchHoldsTheFilesAtATime) {
    write(kPlainFileName, "001a 1\r\n");
    write(kVocalizedFileName, "A\r\n");
    VerseChannels channels{ExpectedSums{}};
    {
        std::optional<VerseTexts> first(channels.readWhole(dir));
        EXPECT_TRUE(channels.busy());
        EXPECT_THROW(channels.readWhole(dir), forms::RuntimeFailure);

        VerseTexts moved(std::move(*first));
        first.reset();
        EXPECT_TRUE(channels.busy());
        EXPECT_THROW(channels.readWhole(dir), forms::RuntimeFailure);
        EXPECT_EQ(moved.vocalized().bytes(), "A\r\n");
    }
    EXPECT_FALSE(channels.busy());
    EXPECT_NO_THROW(channels.readWhole(dir));
}

} // namespace
} // namespace sahifex::store
