#pragma once
// The word search's scan of the verse files, in their own bytes: which plain lines
// pass the search's tests, and how many tests each passes, with the vocalized line of
// the same verse. Matching the encoded tests against the lines' bytes gives the same
// lines as matching the tests against the decoded lines: every character of
// Windows-1256 is one byte and no two bytes are the same character.

#include <string>
#include <string_view>
#include <vector>

#include "store/byte_pattern.h"
#include "store/verse_channels.h"

namespace sahifex::search {

// A text that a plain line is tested for: the line passes when the text occurs in it
// (exact comparison, anywhere in the line, surah code and verse number included).
struct LineTest {
    std::u16string text;
    // The verse text follows the surah code with no space ("002الم 1"): when set, that
    // place counts as a space, so that a text beginning with a space also passes when
    // the rest of it begins the verse text (from the line's fourth character).
    bool boundaryIsSpace = false;
};

struct MatchedLine {
    std::string_view plain;     // the plain line's bytes
    std::string_view vocalized; // the bytes of the vocalized line of the same number
    int passes = 0;             // how many of the tests the plain line passes, 1 or more
};

// The plain lines that pass at least one test, in file order. Both files are walked to
// the end of the plain file, as the line pair reading does: throws VerseFileError
// naming the vocalized file when it has fewer lines than the plain file. A test whose
// text holds a character that Windows-1256 cannot encode, or a line end, passes no line.
// With a fold, the encoded texts and the lines are compared through it.
std::vector<MatchedLine> matchLines(const store::VerseTexts& files,
                                    const std::vector<LineTest>& tests,
                                    const store::ByteFold* fold = nullptr);

} // namespace sahifex::search
