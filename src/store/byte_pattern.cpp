#include "store/byte_pattern.h"

#include <array>
#include <cstring>

namespace sahifex::store {
namespace {

// The most frequent bytes of the plain verse file, most frequent first: space, alef,
// lam, noon, meem, waw, yeh, heh, reh, beh, teh, kaf, ain, alef with hamza above, "0",
// feh, qaf, CR, LF, seen, dal, alef with hamza below, thal, hah. Any other byte is
// rarer than these.
constexpr unsigned char kFrequentBytes[] = {0x20, 0xC7, 0xE1, 0xE4, 0xE3, 0xE6, 0xED, 0xE5,
                                            0xD1, 0xC8, 0xCA, 0xDF, 0xDA, 0xC3, 0x30, 0xDD,
                                            0xDE, 0x0D, 0x0A, 0xD3, 0xCF, 0xC5, 0xD0, 0xCD};

constexpr std::array<int, 256> frequencyRanks() {
    std::array<int, 256> ranks{};
    constexpr int count = sizeof kFrequentBytes;
    for (int i = 0; i < count; ++i) ranks[kFrequentBytes[i]] = count - i;
    return ranks;
}

constexpr std::array<int, 256> kRank = frequencyRanks(); // 0: rare

} // namespace

BytePattern::BytePattern(std::string bytes) : bytes_(std::move(bytes)) {
    for (size_t i = 1; i < bytes_.size(); ++i)
        if (kRank[static_cast<unsigned char>(bytes_[i])] <
            kRank[static_cast<unsigned char>(bytes_[anchor_])])
            anchor_ = i;
}

size_t BytePattern::findIn(std::string_view hay, size_t from) const {
    const size_t length = bytes_.size();
    if (from > hay.size() || hay.size() - from < length) return std::string_view::npos;
    if (length == 0) return from;
    const char* base = hay.data();
    const char anchor = bytes_[anchor_];
    // The anchor byte of a place that starts at p lies at p + anchor_.
    size_t at = from + anchor_;
    const size_t lastAt = hay.size() - length + anchor_;
    while (at <= lastAt) {
        const void* found = std::memchr(base + at, anchor, lastAt - at + 1);
        if (!found) break;
        const size_t place = static_cast<size_t>(static_cast<const char*>(found) - base) - anchor_;
        // The last byte first: most places that have the anchor byte differ there.
        if (base[place + length - 1] == bytes_.back() && base[place] == bytes_.front() &&
            std::memcmp(base + place, bytes_.data(), length) == 0)
            return place;
        at = place + anchor_ + 1;
    }
    return std::string_view::npos;
}

} // namespace sahifex::store
