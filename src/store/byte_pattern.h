#pragma once
// A byte string searched for in a buffer, as grep -F does: the rarest byte of the string
// (by its frequency in Arabic text in Windows-1256) is looked for with memchr, and
// each place found is compared whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace sahifex::store {

class BytePattern {
public:
    explicit BytePattern(std::string bytes);
    const std::string& bytes() const { return bytes_; }
    // The first place at or after `from` where the bytes occur in hay; npos when none.
    // The empty pattern occurs at `from` itself.
    size_t findIn(std::string_view hay, size_t from = 0) const;

private:
    std::string bytes_;
    size_t anchor_ = 0; // the position of the byte looked for
};

} // namespace sahifex::store
