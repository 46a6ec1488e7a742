#include "search/line_match.h"

#include <optional>

#include "store/byte_pattern.h"
#include "store/line_ends.h"
#include "store/win1256.h"

namespace sahifex::search {
namespace {

constexpr size_t kSurahCodeLength = 3;
constexpr size_t npos = std::string_view::npos;

struct EncodedTest {
    EncodedTest(std::string text, bool boundary, const store::ByteFold* fold)
        : pattern(std::move(text), fold), bytes(pattern.bytes()), boundaryIsSpace(boundary),
          afterSpace(boundary && !bytes.empty() && bytes.front() == ' ' ? bytes.substr(1) : "", fold) {}
    store::BytePattern pattern;
    std::string bytes; // folded, with a fold
    bool boundaryIsSpace;
    store::BytePattern afterSpace; // the bytes after their first space, for the boundary
    // What every line that passes holds: the bytes, or without their first space when
    // the boundary counts as one.
    std::string_view mustHold() const {
        if (boundaryIsSpace && !bytes.empty() && bytes.front() == ' ')
            return std::string_view(bytes).substr(1);
        return bytes;
    }
};

bool passes(std::string_view line, const EncodedTest& test) {
    if (test.pattern.findIn(line) != npos) return true;
    if (!test.boundaryIsSpace || test.bytes.empty() || test.bytes.front() != ' ') return false;
    return test.afterSpace.occursAt(line, kSurahCodeLength);
}

// A byte string that every line passing any of the tests holds, so that only the lines
// holding it need to be tested: the shortest of the strings those lines must hold, when
// the others hold it too (so it is for the word search's tests), else the same without
// its spaces around, else nothing (every line is tested).
std::string commonPart(const std::vector<EncodedTest>& tests) {
    std::string_view shortest = tests.front().mustHold();
    for (const auto& test : tests)
        if (test.mustHold().size() < shortest.size()) shortest = test.mustHold();
    const auto heldByAll = [&](std::string_view part) {
        for (const auto& test : tests)
            if (test.mustHold().find(part) == npos) return false;
        return true;
    };
    if (heldByAll(shortest)) return std::string(shortest);
    const size_t first = shortest.find_first_not_of(' ');
    if (first != npos) {
        const std::string_view inner = shortest.substr(first, shortest.find_last_not_of(' ') - first + 1);
        if (heldByAll(inner)) return std::string(inner);
    }
    return {};
}

} // namespace

std::vector<MatchedLine> matchLines(const store::VerseTexts& files,
                                    const std::vector<LineTest>& tests,
                                    const store::ByteFold* fold) {
    const std::string_view plain = files.plain().bytes();
    const std::string_view vocalized = files.vocalized().bytes();

    std::vector<EncodedTest> encoded;
    for (const auto& test : tests) {
        std::optional<std::string> bytes = store::encodeWin1256Exactly(test.text);
        // No line holds a line end, nor a character that no byte stands for.
        if (!bytes || bytes->find_first_of("\r\n") != npos) continue;
        encoded.emplace_back(std::move(*bytes), test.boundaryIsSpace, fold);
    }

    std::vector<MatchedLine> matched;
    // Both files are walked in step: line n of the plain file, its number, and where
    // line n of the vocalized file starts, once a match asks for it.
    size_t lineNumber = 0, lineStart = 0;
    size_t vocalizedNumber = 0, vocalizedStart = 0;
    const auto vocalizedLine = [&](size_t number) -> std::string_view {
        const size_t start = store::skipLines(vocalized, vocalizedStart, number - vocalizedNumber);
        if (start == npos || start >= vocalized.size())
            throw store::VerseFileError(files.vocalized().fileName(), static_cast<int>(number) + 1,
                                        "the file ends before this line");
        vocalizedNumber = number;
        vocalizedStart = start;
        return vocalized.substr(start, store::lineEndFrom(vocalized, start) - start);
    };

    if (!encoded.empty()) {
        const store::BytePattern common(commonPart(encoded), fold);
        for (size_t from = 0; from < plain.size();) {
            const size_t found = common.findIn(plain, from);
            if (found == npos) break;
            // The common part holds no line end, so it lies within one line.
            const size_t start = store::lineStartOf(plain, found);
            const size_t end = store::lineEndFrom(plain, found);
            lineNumber += store::countLineEnds(plain, lineStart, start);
            lineStart = start;
            const std::string_view line = plain.substr(start, end - start);
            int count = 0;
            for (const auto& test : encoded) count += passes(line, test) ? 1 : 0;
            if (count > 0) matched.push_back({line, vocalizedLine(lineNumber), count});
            from = store::afterLineEnd(plain, end);
        }
    }

    // The vocalized file is read in step to the end of the plain file: it must hold as
    // many lines. A last plain line without a line end is a line too.
    const size_t lines = lineNumber + store::countLineEnds(plain, lineStart, plain.size()) +
                         (plain.empty() || store::isLineEndByte(plain.back()) ? 0 : 1);
    if (lines > 0) vocalizedLine(lines - 1);
    return matched;
}

} // namespace sahifex::search
