// Lines in a verse file's bytes: every way of counting line ends that this processor
// has gives what a plain walk of the bytes gives, and the lines read from a file read
// whole are the lines VerseFile reads, on random bytes full of CR and LF.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <unistd.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "store/line_ends.h"
#include "store/test_folder.h"
#include "store/verse_channels.h"
#include "store/win1256.h"
#include "support/verse_file.h"

namespace sahifex::store {
namespace {

using testing::VerseFile;

namespace fs = std::filesystem;
constexpr size_t npos = std::string_view::npos;

// Random bytes: mostly text, or mostly line ends, with the Arabic bytes beside them.
std::string randomBytes(std::mt19937& random, size_t size) {
    static const char kBytes[] = {'a', ' ', '\xC7', '\xE1', '\r', '\n'};
    // Dense: a third of the bytes end lines; sparse: one in forty, as in verse files.
    const unsigned endsOneIn = random() % 2 == 0 ? 3 : 40;
    std::string bytes(size, 'a');
    for (char& b : bytes)
        b = random() % endsOneIn == 0 ? kBytes[4 + random() % 2] : kBytes[random() % 4];
    return bytes;
}

// The line ends as VerseFile finds them: walking line by line from the start.
std::vector<size_t> walkedLineEnds(std::string_view bytes) {
    std::vector<size_t> ends;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') ends.push_back(i);
        if (bytes[i] == '\r') {
            ends.push_back(i);
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        }
    }
    return ends;
}

struct LineEnds : ::testing::TestWithParam<std::string> {
    void SetUp() override { ASSERT_TRUE(useLineEndScanner(GetParam())); }
    void TearDown() override { useLineEndScanner(lineEndScanners().back()); }
};

TEST_P(LineEnds, CountsAndSkipsAsAWalkOfTheBytes) {
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = randomBytes(random, random() % 300);
        const std::vector<size_t> ends = walkedLineEnds(bytes);
        // Counting from a line start (or from anywhere: an LF after a CR never counts).
        const size_t from = bytes.empty() ? 0 : random() % (bytes.size() + 1);
        const size_t to = from + random() % (bytes.size() - from + 1);
        size_t expected = 0;
        for (size_t e : ends) expected += e >= from && e < to;
        ASSERT_EQ(countLineEnds(bytes, from, to), expected) << round;

        // Skipping lines from a line start.
        std::vector<size_t> starts{0};
        for (size_t e : ends) starts.push_back(afterLineEnd(bytes, e));
        const size_t first = random() % starts.size();
        for (size_t count = 0; count <= ends.size() - first + 1; ++count) {
            const size_t want = first + count < starts.size() ? starts[first + count] : npos;
            const size_t got = skipLines(bytes, starts[first], count);
            if (starts[first] >= bytes.size() && count > 0)
                ASSERT_EQ(got, npos);
            else
                ASSERT_EQ(got, want) << round << " from line " << first << " skip " << count;
        }
        ASSERT_EQ(lineCount(bytes), bytes.empty() ? 0 : starts.size() - (starts.back() == bytes.size()));
    }
}

TEST_P(LineEnds, LongRunsOfTextAndOfLineEnds) {
    // Blocks of every width, with line ends at their edges.
    for (size_t size : {15u, 16u, 17u, 31u, 32u, 33u, 63u, 64u, 65u, 127u, 128u, 129u, 1000u}) {
        for (const char* fill : {"a", "\r", "\n", "\r\n", "\n\r"}) {
            std::string bytes;
            while (bytes.size() < size) bytes += fill;
            bytes.resize(size);
            const auto ends = walkedLineEnds(bytes);
            for (size_t from = 0; from <= std::min<size_t>(size, 70); ++from)
                ASSERT_EQ(countLineEnds(bytes, from, size),
                          static_cast<size_t>(std::count_if(ends.begin(), ends.end(),
                                                            [&](size_t e) { return e >= from; })))
                    << size << " " << from;
            ASSERT_EQ(skipLines(bytes, 0, ends.size()),
                      ends.empty() ? 0 : afterLineEnd(bytes, ends.back()));
            ASSERT_EQ(skipLines(bytes, 0, ends.size() + 1), npos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScanner, LineEnds, ::testing::ValuesIn(lineEndScanners()),
                         [](const auto& info) { return info.param; });

TEST(LineBounds, TheLineThatHoldsAPlace) {
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = randomBytes(random, random() % 200);
        for (size_t pos = 0; pos < bytes.size(); ++pos) {
            size_t end = pos;
            while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
            ASSERT_EQ(lineEndFrom(bytes, pos), end);
            size_t start = pos;
            while (start > 0 && bytes[start - 1] != '\r' && bytes[start - 1] != '\n') --start;
            ASSERT_EQ(lineStartOf(bytes, pos), start);
        }
        ASSERT_EQ(lineEndFrom(bytes, bytes.size()), bytes.size());
    }
    EXPECT_EQ(afterLineEnd("a\r\nb", 1), 3u);
    EXPECT_EQ(afterLineEnd("a\rb", 1), 2u);
    EXPECT_EQ(afterLineEnd("a\n\rb", 1), 2u);
    EXPECT_EQ(afterLineEnd("a\r", 1), 2u);
}

// ---- files read whole, line by line, beside VerseFile

using WholeFiles = TestFolder;

TEST_F(WholeFiles, TheLinesAreThoseVerseFileReads) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        const fs::path file = write("lines.Qur", randomBytes(random, random() % 400));
        VerseFile streamed(file);
        KeptVerseFile kept;
        const VerseFileBytes whole = kept.read(file);
        LineReader lines(whole);
        while (!streamed.atEnd()) {
            ASSERT_FALSE(lines.atEnd());
            ASSERT_EQ(decodeWin1256(lines.readLine()), streamed.readLine());
        }
        ASSERT_TRUE(lines.atEnd());
        ASSERT_EQ(lines.linesRead(), streamed.linesRead());
        ASSERT_EQ(lineCount(whole.bytes()), static_cast<size_t>(streamed.linesRead()));
    }
}

TEST_F(WholeFiles, ReadingPastTheEndNamesTheFileAndTheLine) {
    KeptVerseFile kept;
    const VerseFileBytes whole = kept.read(write(kVocalizedFileName, "a\r\nb\r\n"));
    LineReader lines(whole);
    EXPECT_EQ(lines.readLine(), "a");
    EXPECT_EQ(lines.readLine(), "b");
    try {
        lines.readLine();
        FAIL() << "read past the end";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), kVocalizedFileName);
        EXPECT_EQ(e.line(), 3);
    }
}

TEST_F(WholeFiles, MissingFilesAndFoldersAreErrorsAndLeaveTheChannelsFree) {
    VerseChannels channels{ExpectedSums{}};
    try {
        channels.readWhole(dir);
        FAIL() << "read a missing file";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), kPlainFileName);
        EXPECT_EQ(e.line(), 0);
    }
    write(kPlainFileName, "001a 1\r\n");
    fs::create_directories(dir / kVocalizedFileName);
    try {
        channels.readWhole(dir);
        FAIL() << "read a folder";
    } catch (const VerseFileError& e) {
        EXPECT_EQ(e.fileName(), kVocalizedFileName);
    }
    EXPECT_FALSE(channels.busy());
    fs::remove(dir / kVocalizedFileName);
    write(kVocalizedFileName, "A\r\n");
    {
        const VerseTexts texts = channels.readWhole(dir);
        EXPECT_TRUE(channels.busy());
        EXPECT_EQ(texts.plain().bytes(), "001a 1\r\n");
        EXPECT_EQ(texts.vocalized().bytes(), "A\r\n");
        EXPECT_THROW(channels.readWhole(dir), forms::RuntimeFailure) << "only one at a time";
    }
    EXPECT_FALSE(channels.busy());
}

// The searches keep the files mapped from one search to the next: each must still see
// the files as they are when it starts, whatever happened to them in between.
TEST_F(WholeFiles, EachSearchSeesTheFilesAsTheyAreWhenItStarts) {
    VerseChannels channels{ExpectedSums{}};
    write(kPlainFileName, "001a 1\r\n");
    std::vector<std::string> seen;
    const auto search = [&] {
        try {
            const VerseTexts texts = channels.readWhole(dir);
            seen.emplace_back(texts.vocalized().bytes());
        } catch (const VerseFileError& e) {
            seen.push_back("error: " + e.fileName());
        }
    };
    write(kVocalizedFileName, "A first\r\n");
    search();
    search();
    write(kVocalizedFileName, "B again\r\n"); // rewritten in place, the same size
    search();
    write(kVocalizedFileName, "C\r\n"); // shorter
    search();
    write("new.Qur", "D, a longer line that replaces the file\r\n");
    fs::rename(dir / "new.Qur", dir / kVocalizedFileName);
    search();
    fs::remove(dir / kVocalizedFileName);
    search();
    write(kVocalizedFileName, "");
    search();
    write(kVocalizedFileName, "E\r\n");
    search();
    EXPECT_EQ(seen, (std::vector<std::string>{"A first\r\n", "A first\r\n", "B again\r\n", "C\r\n",
                                              "D, a longer line that replaces the file\r\n",
                                              "error: QuranT.Qur", "", "E\r\n"}));
    EXPECT_FALSE(channels.busy());
}

// A search that yields to the event loop holds the bytes meanwhile.
TEST_F(WholeFiles, BytesHeldOutlastTheFileShortened) {
    VerseChannels channels{ExpectedSums{}};
    write(kPlainFileName, "001a 1\r\n");
    write(kVocalizedFileName, "A verse\r\n");
    const VerseTexts texts = channels.readWhole(dir);
    write(kVocalizedFileName, "");
    EXPECT_EQ(texts.vocalized().bytes(), "A verse\r\n");
}

#ifndef _WIN32
TEST_F(WholeFiles, AFifoInAFilesPlaceIsAnErrorAtOnce) {
    write(kPlainFileName, "001a 1\r\n");
    ASSERT_EQ(mkfifo((dir / kVocalizedFileName).c_str(), 0600), 0);
    VerseChannels channels{ExpectedSums{}};
    EXPECT_THROW(channels.readWhole(dir), VerseFileError) << "no program writes into it: it would wait";
    EXPECT_FALSE(channels.busy());
}
#endif

TEST_F(WholeFiles, AnEmptyFileHasNoLines) {
    KeptVerseFile kept;
    const VerseFileBytes whole = kept.read(write(kPlainFileName, ""));
    EXPECT_TRUE(LineReader(whole).atEnd());
    EXPECT_EQ(lineCount(whole.bytes()), 0u);
}

} // namespace
} // namespace sahifex::store
