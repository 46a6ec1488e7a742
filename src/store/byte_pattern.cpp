#include "store/byte_pattern.h"

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

unsigned char byteAt(const std::string& bytes, size_t i) { return static_cast<unsigned char>(bytes[i]); }

} // namespace

BytePattern::BytePattern(std::string bytes, const ByteFold* fold)
    : bytes_(std::move(bytes)), fold_(fold) {
    if (!fold_) {
        for (size_t i = 1; i < bytes_.size(); ++i)
            if (kRank[byteAt(bytes_, i)] < kRank[byteAt(bytes_, anchor_)]) anchor_ = i;
        return;
    }
    // How many bytes fold to each byte: memchr can look for a byte that only itself
    // folds to; a pattern of classes alone is compared at every place.
    std::array<int, 256> foldedFrom{};
    for (unsigned char folded : *fold_) ++foldedFrom[folded];
    for (char& b : bytes_) b = static_cast<char>((*fold_)[static_cast<unsigned char>(b)]);
    anchorAlone_ = false;
    for (size_t i = 0; i < bytes_.size(); ++i) {
        const unsigned char b = byteAt(bytes_, i);
        if (foldedFrom[b] != 1 || (*fold_)[b] != b) continue;
        if (!anchorAlone_ || kRank[b] < kRank[byteAt(bytes_, anchor_)]) anchor_ = i;
        anchorAlone_ = true;
    }
}

bool BytePattern::matchesAt(const char* place) const {
    const size_t length = bytes_.size();
    if (!fold_)
        // The last byte first: most places that have the anchor byte differ there.
        return place[length - 1] == bytes_.back() && place[0] == bytes_.front() &&
               std::memcmp(place, bytes_.data(), length) == 0;
    for (size_t i = 0; i < length; ++i)
        if ((*fold_)[static_cast<unsigned char>(place[i])] != byteAt(bytes_, i)) return false;
    return true;
}

bool BytePattern::occursAt(std::string_view hay, size_t at) const {
    return at <= hay.size() && hay.size() - at >= bytes_.size() &&
           (bytes_.empty() || matchesAt(hay.data() + at));
}

size_t BytePattern::findIn(std::string_view hay, size_t from) const {
    const size_t length = bytes_.size();
    if (from > hay.size() || hay.size() - from < length) return std::string_view::npos;
    if (length == 0) return from;
    const char* base = hay.data();
    const size_t lastPlace = hay.size() - length;
    if (!anchorAlone_) {
        for (size_t place = from; place <= lastPlace; ++place)
            if (matchesAt(base + place)) return place;
        return std::string_view::npos;
    }
    const char anchor = bytes_[anchor_];
    // The anchor byte of a place that starts at p lies at p + anchor_.
    size_t at = from + anchor_;
    const size_t lastAt = lastPlace + anchor_;
    while (at <= lastAt) {
        const void* found = std::memchr(base + at, anchor, lastAt - at + 1);
        if (!found) break;
        const size_t place = static_cast<size_t>(static_cast<const char*>(found) - base) - anchor_;
        if (matchesAt(base + place)) return place;
        at = place + anchor_ + 1;
    }
    return std::string_view::npos;
}

} // namespace sahifex::store
