#include "store/win1256.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SAHIFEX_X86 1
#endif

namespace sahifex::store {
namespace {

// Bytes 0x80 to 0xFF; bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0679, 0x2039, 0x0152, 0x0686, 0x0698, 0x0688,  // 88
    0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA,  // 98
    0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F,  // B8
    0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,  // C0
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F,  // C8
    0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7,  // D0
    0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,  // D8
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF,  // E8
    0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,  // F0
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,  // F8
};

// The upper half the other way: (character, byte) pairs sorted by character.
using CodeOf = std::pair<char16_t, unsigned char>;

constexpr std::array<CodeOf, 128> sortedByCharacter() {
    std::array<CodeOf, 128> codes{};
    for (size_t i = 0; i < kUpperHalf.size(); ++i)
        codes[i] = {kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(codes.begin(), codes.end());
    return codes;
}

constexpr std::array<CodeOf, 128> kCodeOf = sortedByCharacter();

constexpr int kQuestionMark = 63;

// Every byte's character.
constexpr std::array<char16_t, 256> allCharacters() {
    std::array<char16_t, 256> characters{};
    for (size_t b = 0; b < 0x80; ++b) characters[b] = static_cast<char16_t>(b);
    for (size_t b = 0x80; b < 0x100; ++b) characters[b] = kUpperHalf[b - 0x80];
    return characters;
}

constexpr std::array<char16_t, 256> kCharacterOf = allCharacters();

void decodeScalar(const unsigned char* bytes, size_t n, char16_t* text) {
    for (size_t i = 0; i < n; ++i) text[i] = kCharacterOf[bytes[i]];
}

#ifdef SAHIFEX_X86

// 32 bytes at a time: each byte widened to 16 bits; the upper half looked up in the
// table held in four registers, 32 characters each (a lookup takes 64 entries: its
// index's sixth bit picks the register of the pair).
__attribute__((target("avx512f,avx512bw,avx512vl"))) void decodeAvx512(const unsigned char* bytes, size_t n,
                                                              char16_t* text) {
    const auto* table = reinterpret_cast<const char16_t*>(kUpperHalf.data());
    const __m512i upper0 = _mm512_loadu_si512(table);
    const __m512i upper1 = _mm512_loadu_si512(table + 32);
    const __m512i upper2 = _mm512_loadu_si512(table + 64);
    const __m512i upper3 = _mm512_loadu_si512(table + 96);
    const __m512i bit7 = _mm512_set1_epi16(0x80);
    const __m512i bit6 = _mm512_set1_epi16(0x40);
    for (size_t i = 0; i < n; i += 32) {
        // The last block reads and writes only the bytes left.
        const __mmask32 inside = n - i >= 32 ? ~__mmask32{0} : (__mmask32{1} << (n - i)) - 1;
        const __m512i codes = _mm512_cvtepu8_epi16(_mm256_maskz_loadu_epi8(inside, bytes + i));
        const __m512i from80 = _mm512_permutex2var_epi16(upper0, codes, upper1);
        const __m512i fromC0 = _mm512_permutex2var_epi16(upper2, codes, upper3);
        const __m512i upper = _mm512_mask_blend_epi16(_mm512_test_epi16_mask(codes, bit6), from80, fromC0);
        const __m512i characters = _mm512_mask_blend_epi16(_mm512_test_epi16_mask(codes, bit7), codes, upper);
        _mm512_mask_storeu_epi16(text + i, inside, characters);
    }
}

#endif

using Decoder = void (*)(const unsigned char*, size_t, char16_t*);

Decoder chooseDecoder() {
#ifdef SAHIFEX_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512vl"))
        return decodeAvx512;
#endif
    return decodeScalar;
}

} // namespace

int win1256Code(char16_t c) {
    if (c < 0x80) return c;
    const auto it = std::lower_bound(kCodeOf.begin(), kCodeOf.end(), CodeOf{c, 0});
    if (it != kCodeOf.end() && it->first == c) return it->second;
    return kQuestionMark;
}

std::u16string decodeWin1256(std::string_view bytes) {
    static const Decoder decode = chooseDecoder();
    std::u16string text(bytes.size(), u'\0');
    decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), text.data());
    return text;
}

std::optional<std::string> encodeWin1256Exactly(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const int code = win1256Code(c);
        // 63 is also the code of "?" itself.
        if (code == kQuestionMark && c != u'?') return std::nullopt;
        bytes[i] = static_cast<char>(code);
    }
    return bytes;
}

std::string encodeWin1256(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        // A character beyond U+FFFF is two code units but one "?".
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair) ++i;
        bytes += static_cast<char>(pair ? kQuestionMark : win1256Code(text[i]));
    }
    return bytes;
}

} // namespace sahifex::store
