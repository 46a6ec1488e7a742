#pragma once
// A byte string searched for in a buffer. Where the processor has vector instructions,
// 32 places are tested at once for the string's two rarest bytes (by their frequency in
// Arabic text in Windows-1256; with a fold, for any byte of their classes), and only the
// places that have both are compared whole; elsewhere, and for the last places, the
// rarest byte is looked for with memchr, as grep -F does.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace sahifex::store {

// Bytes that compare as one: each byte's stand-in, the same for every byte of a class.
using ByteFold = std::array<unsigned char, 256>;

class BytePattern {
public:
    // With a fold, the bytes match wherever the hay's bytes fold to the bytes' folds.
    explicit BytePattern(std::string bytes, const ByteFold* fold = nullptr);
    // The pattern's bytes, folded when it has a fold.
    const std::string& bytes() const { return bytes_; }
    // The first place at or after `from` where the bytes occur in hay; npos when none.
    // The empty pattern occurs at `from` itself.
    size_t findIn(std::string_view hay, size_t from = 0) const;
    // Whether the bytes occur in hay at `at`.
    bool occursAt(std::string_view hay, size_t at) const;

private:
    bool matchesAt(const char* place) const;
    // Tests the places from `from` on, 32 at a time, while 32 whole places remain before
    // lastPlace: the place found, or, in `from`, the first place not yet tested.
    size_t findByPairs(const char* base, size_t& from, size_t lastPlace) const;

    std::string bytes_;
    const ByteFold* fold_ = nullptr;
    size_t anchor_ = 0;        // the position of the byte looked for
    bool anchorAlone_ = true;  // no other byte folds to the anchor: memchr finds every place
    // The pair test: two places of the pattern, each with the bytes that may stand there
    // (with a fold, every byte of the class).
    struct TestedPlace {
        size_t position = 0;
        std::string members;
    };
    std::array<TestedPlace, 2> pair_;
    bool byPairs_ = false;
};

} // namespace sahifex::store
