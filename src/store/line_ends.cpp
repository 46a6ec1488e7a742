#include "store/line_ends.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SAHIFEX_X86 1
#endif

namespace sahifex::store {
namespace {

constexpr size_t npos = std::string_view::npos;

bool isLineEndAt(const char* s, size_t i) {
    return s[i] == '\r' || (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'));
}

// Each implementation counts the line ends in [from, to) of the bytes at s, and finds
// the n-th (from 1) of them, giving its position or npos.
struct LineEndScanner {
    size_t (*count)(const char* s, size_t from, size_t to);
    size_t (*nth)(const char* s, size_t from, size_t to, size_t n);
};

size_t countScalar(const char* s, size_t from, size_t to) {
    size_t count = 0;
    for (size_t i = from; i < to; ++i) count += isLineEndAt(s, i);
    return count;
}

size_t nthScalar(const char* s, size_t from, size_t to, size_t n) {
    for (size_t i = from; i < to; ++i)
        if (isLineEndAt(s, i) && --n == 0) return i;
    return npos;
}

#ifdef SAHIFEX_X86

// The position of the k-th (from 1) set bit of mask.
inline unsigned nthBit(unsigned mask, size_t k) {
    while (--k > 0) mask &= mask - 1;
    return static_cast<unsigned>(__builtin_ctz(mask));
}

// Blocks of 16 bytes. A block at i >= 1 also loads the byte before it, to tell an LF
// after a CR from a lone one.
inline unsigned lineEndMask16(const char* p) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p - 1));
    const __m128i ends = _mm_or_si128(
        _mm_cmpeq_epi8(v, cr), _mm_andnot_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(v, lf)));
    return static_cast<unsigned>(_mm_movemask_epi8(ends));
}

inline unsigned bitCount(unsigned mask) {
    unsigned count = 0;
    for (; mask; mask &= mask - 1) ++count; // few bits a block: lines are long
    return count;
}

size_t countSse2(const char* s, size_t from, size_t to) {
    size_t count = 0, i = from;
    if (i == 0 && i < to) count += isLineEndAt(s, i++);
    for (; i + 16 <= to; i += 16) count += bitCount(lineEndMask16(s + i));
    return count + countScalar(s, i, to);
}

size_t nthSse2(const char* s, size_t from, size_t to, size_t n) {
    size_t i = from;
    if (i == 0 && i < to && isLineEndAt(s, i++) && --n == 0) return 0;
    for (; i + 16 <= to; i += 16) {
        const unsigned mask = lineEndMask16(s + i);
        const unsigned found = bitCount(mask);
        if (found >= n) return i + nthBit(mask, n);
        n -= found;
    }
    return nthScalar(s, i, to, n);
}

__attribute__((target("avx2,popcnt"))) inline unsigned lineEndMask32(const char* p) {
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p - 1));
    const __m256i ends = _mm256_or_si256(
        _mm256_cmpeq_epi8(v, cr),
        _mm256_andnot_si256(_mm256_cmpeq_epi8(before, cr), _mm256_cmpeq_epi8(v, lf)));
    return static_cast<unsigned>(_mm256_movemask_epi8(ends));
}

__attribute__((target("avx2,popcnt"))) size_t countAvx2(const char* s, size_t from, size_t to) {
    size_t count = 0, i = from;
    if (i == 0 && i < to) count += isLineEndAt(s, i++);
    for (; i + 32 <= to; i += 32)
        count += static_cast<size_t>(__builtin_popcount(lineEndMask32(s + i)));
    return count + countScalar(s, i, to);
}

__attribute__((target("avx2,popcnt"))) size_t nthAvx2(const char* s, size_t from, size_t to,
                                                      size_t n) {
    size_t i = from;
    if (i == 0 && i < to && isLineEndAt(s, i++) && --n == 0) return 0;
    for (; i + 32 <= to; i += 32) {
        const unsigned mask = lineEndMask32(s + i);
        const auto found = static_cast<size_t>(__builtin_popcount(mask));
        if (found >= n) return i + nthBit(mask, n);
        n -= found;
    }
    return nthScalar(s, i, to, n);
}

// Blocks of 64 bytes, with a mask register for each comparison.
__attribute__((target("avx512f,avx512bw,popcnt"))) inline unsigned long long
lineEndMask64(const char* p) {
    const __m512i v = _mm512_loadu_si512(p);
    const __m512i before = _mm512_loadu_si512(p - 1);
    const __mmask64 cr = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\r'));
    const __mmask64 lf = _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\n'));
    const __mmask64 crBefore = _mm512_cmpeq_epi8_mask(before, _mm512_set1_epi8('\r'));
    return cr | (lf & ~crBefore);
}

__attribute__((target("avx512f,avx512bw,popcnt"))) size_t countAvx512(const char* s, size_t from,
                                                                       size_t to) {
    size_t count = 0, i = from;
    if (i == 0 && i < to) count += isLineEndAt(s, i++);
    for (; i + 64 <= to; i += 64)
        count += static_cast<size_t>(__builtin_popcountll(lineEndMask64(s + i)));
    return count + countScalar(s, i, to);
}

__attribute__((target("avx512f,avx512bw,popcnt"))) size_t nthAvx512(const char* s, size_t from,
                                                                     size_t to, size_t n) {
    size_t i = from;
    if (i == 0 && i < to && isLineEndAt(s, i++) && --n == 0) return 0;
    for (; i + 64 <= to; i += 64) {
        unsigned long long mask = lineEndMask64(s + i);
        const auto found = static_cast<size_t>(__builtin_popcountll(mask));
        if (found >= n) {
            while (--n > 0) mask &= mask - 1;
            return i + static_cast<size_t>(__builtin_ctzll(mask));
        }
        n -= found;
    }
    return nthScalar(s, i, to, n);
}

#endif

struct NamedScanner {
    const char* name;
    LineEndScanner scanner;
};

// The scanners that this processor can run, slowest first.
std::vector<NamedScanner> availableScanners() {
    std::vector<NamedScanner> scanners{{"scalar", {countScalar, nthScalar}}};
#ifdef SAHIFEX_X86
    __builtin_cpu_init();
    scanners.push_back({"sse2", {countSse2, nthSse2}});
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt"))
        scanners.push_back({"avx2", {countAvx2, nthAvx2}});
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("popcnt"))
        scanners.push_back({"avx512", {countAvx512, nthAvx512}});
#endif
    return scanners;
}

LineEndScanner& scanner() {
    static LineEndScanner chosen = availableScanners().back().scanner;
    return chosen;
}

} // namespace

size_t countLineEnds(std::string_view bytes, size_t from, size_t to) {
    to = std::min(to, bytes.size());
    if (from >= to) return 0;
    return scanner().count(bytes.data(), from, to);
}

size_t lineEndFrom(std::string_view bytes, size_t pos) {
    if (pos >= bytes.size()) return bytes.size();
    const char* s = bytes.data();
    // The first CR, unless a lone LF comes before it.
    const auto* cr = static_cast<const char*>(std::memchr(s + pos, '\r', bytes.size() - pos));
    const size_t crAt = cr ? static_cast<size_t>(cr - s) : bytes.size();
    const auto* lf = static_cast<const char*>(std::memchr(s + pos, '\n', crAt - pos));
    return lf ? static_cast<size_t>(lf - s) : crAt;
}

size_t afterLineEnd(std::string_view bytes, size_t end) {
    if (end >= bytes.size()) return bytes.size();
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') return end + 2;
    return end + 1;
}

namespace {

// The last c among the n bytes at s (memrchr, which not every C library has); a line is
// short, so the walk back is too.
const char* lastOf(const char* s, char c, size_t n) {
    for (size_t i = n; i > 0; --i)
        if (s[i - 1] == c) return s + i - 1;
    return nullptr;
}

} // namespace

size_t lineStartOf(std::string_view bytes, size_t pos) {
    const char* s = bytes.data();
    pos = std::min(pos, bytes.size());
    // Just past the last LF before pos, unless a CR comes after it.
    const auto* lf = lastOf(s, '\n', pos);
    const size_t afterLf = lf ? static_cast<size_t>(lf - s) + 1 : 0;
    const auto* cr = lastOf(s + afterLf, '\r', pos - afterLf);
    return cr ? static_cast<size_t>(cr - s) + 1 : afterLf;
}

size_t skipLines(std::string_view bytes, size_t start, size_t count) {
    if (count == 0) return start;
    if (start >= bytes.size()) return npos;
    const size_t end = scanner().nth(bytes.data(), start, bytes.size(), count);
    return end == npos ? npos : afterLineEnd(bytes, end);
}

std::vector<std::string> lineEndScanners() {
    std::vector<std::string> names;
    for (const auto& named : availableScanners()) names.emplace_back(named.name);
    return names;
}

bool useLineEndScanner(const std::string& name) {
    for (const auto& named : availableScanners())
        if (name == named.name) {
            scanner() = named.scanner;
            return true;
        }
    return false;
}

size_t lineCount(std::string_view bytes) {
    if (bytes.empty()) return 0;
    // A last line without a line end is a line too.
    return countLineEnds(bytes, 0, bytes.size()) + (isLineEndByte(bytes.back()) ? 0 : 1);
}

} // namespace sahifex::store
