#include "store/byte_pattern.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SAHIFEX_X86 1
#endif

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

bool hasPairTest() {
#ifdef SAHIFEX_X86
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

} // namespace

BytePattern::BytePattern(std::string bytes, const ByteFold* fold)
    : bytes_(std::move(bytes)), fold_(fold) {
    // The bytes that stand for each byte of the pattern: itself, or with a fold every
    // byte that folds to it.
    std::array<std::string, 256> members;
    for (size_t b = 0; b < 256; ++b)
        members[fold_ ? (*fold_)[b] : b] += static_cast<char>(b);
    if (fold_)
        for (char& b : bytes_) b = static_cast<char>((*fold_)[static_cast<unsigned char>(b)]);
    // How often a place of the text holds one of a pattern byte's members, as a rank:
    // that of its most frequent member.
    const auto weight = [&](size_t i) {
        int most = 0;
        for (const char m : members[byteAt(bytes_, i)]) most = std::max(most, kRank[static_cast<unsigned char>(m)]);
        return most;
    };
    constexpr size_t none = std::string::npos;
    const auto rarest = [&](size_t besides, bool alone) {
        size_t found = none;
        for (size_t i = 0; i < bytes_.size(); ++i) {
            if (i == besides || (alone && members[byteAt(bytes_, i)].size() != 1)) continue;
            if (found == none || weight(i) < weight(found)) found = i;
        }
        return found;
    };
    // memchr looks for the rarest byte that only itself stands for; without one, every
    // place is compared.
    const size_t anchor = rarest(none, true);
    anchorAlone_ = anchor != none;
    anchor_ = anchorAlone_ ? anchor : 0;
    // The pair test tests two places of the pattern, the rarest, for any of their members.
    static const bool pairTest = hasPairTest();
    byPairs_ = pairTest && bytes_.size() >= 2;
    if (!byPairs_) return;
    const size_t first = rarest(none, false);
    const size_t second = rarest(first, false);
    pair_ = {{{first, members[byteAt(bytes_, first)]}, {second, members[byteAt(bytes_, second)]}}};
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
    size_t start = from;
    if (byPairs_) {
        const size_t found = findByPairs(base, start, lastPlace);
        if (found != std::string_view::npos) return found;
    }
    // The places the pair test left.
    if (!anchorAlone_) {
        for (size_t place = start; place <= lastPlace; ++place)
            if (matchesAt(base + place)) return place;
        return std::string_view::npos;
    }
    const char anchor = bytes_[anchor_];
    // The anchor byte of a place that starts at p lies at p + anchor_.
    size_t at = start + anchor_;
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

#ifdef SAHIFEX_X86

namespace {

// The places of the 32 from `at` where one of the byte's members stands.
__attribute__((target("avx2"))) inline unsigned placesHolding(const char* at, const std::string& members) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    __m256i any = _mm256_setzero_si256();
    for (const char member : members) any = _mm256_or_si256(any, _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(member)));
    return static_cast<unsigned>(_mm256_movemask_epi8(any));
}

} // namespace

__attribute__((target("avx2"))) size_t BytePattern::findByPairs(const char* base, size_t& from,
                                                                size_t lastPlace) const {
    const auto& [first, second] = pair_;
    size_t place = from;
    // The 32 places from `place` read bytes up to place + 31 + length - 1: within the hay
    // while place + 31 <= lastPlace.
    for (; lastPlace >= 31 && place <= lastPlace - 31; place += 32) {
        unsigned both = placesHolding(base + place + first.position, first.members);
        if (both == 0) continue;
        both &= placesHolding(base + place + second.position, second.members);
        for (; both != 0; both &= both - 1) {
            const size_t candidate = place + static_cast<size_t>(__builtin_ctz(both));
            if (matchesAt(base + candidate)) return candidate;
        }
    }
    from = place;
    return std::string_view::npos;
}

#else

size_t BytePattern::findByPairs(const char*, size_t&, size_t) const { return std::string_view::npos; }

#endif

} // namespace sahifex::store
