#pragma once
// Where the lines of a verse file's bytes end: a line ends at a carriage return (a line
// feed right after it is skipped) or at a lone line feed. The counting runs over the
// bytes with vector instructions where the processor has them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sahifex::store {

inline bool isLineEndByte(char c) { return c == '\r' || c == '\n'; }

// The number of line ends in [from, to): every CR, and every LF that does not follow a
// CR (the byte before `from` counts for the first one).
size_t countLineEnds(std::string_view bytes, size_t from, size_t to);

// The line end (CR or LF) of the line that holds pos: the first CR or LF at or after pos;
// bytes.size() when the line runs to the end of the bytes.
size_t lineEndFrom(std::string_view bytes, size_t pos);

// Where the next line starts after the line end at `end`: past the CR and an LF right
// after it, or past the LF; bytes.size() when `end` is bytes.size().
size_t afterLineEnd(std::string_view bytes, size_t end);

// The start of the line that holds pos: just past the last CR or LF before pos, or 0.
size_t lineStartOf(std::string_view bytes, size_t pos);

// The start of the line `count` lines after the line that starts at `start`;
// std::string_view::npos when the bytes end before that many line ends.
size_t skipLines(std::string_view bytes, size_t start, size_t count);

// The number of lines in these bytes, a last line without a line end included.
size_t lineCount(std::string_view bytes);

// For tests and benchmarks: the ways of counting line ends that this processor has, the
// fastest last ("scalar", then on x86 "sse2", "avx2", "avx512"), and the choice of one of
// them (false when the processor lacks it). The fastest is used unless another is chosen.
std::vector<std::string> lineEndScanners();
bool useLineEndScanner(const std::string& name);

} // namespace sahifex::store
