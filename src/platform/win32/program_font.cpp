#include "platform/win32/program_font.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace sahifex::platform::win32 {

namespace {

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

const wchar_t* programFace() {
    static const wchar_t* const face = [] {
        for (const wchar_t* candidate : {L"Segoe UI", L"DejaVu Sans", L"Tahoma"})
            if (installed(candidate)) return candidate;
        return L"Tahoma";
    }();
    return face;
}

// The face at the given size in points and DPI; kept for the whole run.
HFONT fontOf(const wchar_t* face, int points, int dpi) {
    static std::map<std::tuple<std::wstring, int, int>, HFONT> fonts;
    HFONT& font = fonts[{face, points, dpi}];
    if (!font) {
        LOGFONTW wanted{};
        wanted.lfHeight = -pointsToPixels(points, dpi);
        wanted.lfWeight = FW_NORMAL;
        wanted.lfCharSet = DEFAULT_CHARSET;
        wanted.lfQuality = CLEARTYPE_QUALITY;
        wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
        font = CreateFontIndirectW(&wanted);
    }
    return font;
}

// Whether the font has a glyph for every character of the text.
bool drawsAll(HFONT font, const std::u16string& text) {
    if (text.empty()) return true;
    std::vector<WORD> glyphs(text.size());
    HDC screen = GetDC(nullptr);
    const HGDIOBJ before = SelectObject(screen, font);
    const DWORD found = GetGlyphIndicesW(screen, reinterpret_cast<const wchar_t*>(text.c_str()),
                                         static_cast<int>(text.size()), glyphs.data(),
                                         GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    return found != GDI_ERROR && std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

} // namespace

HFONT programFont(int points, int dpi) { return fontOf(programFace(), points, dpi); }

HFONT fontFor(const std::u16string& text, int points, int dpi) {
    HFONT font = programFont(points, dpi);
    if (drawsAll(font, text)) return font;
    // Faces with the ornate brackets and the Arabic letters, the ones made for user
    // interfaces first.
    for (const wchar_t* face : {L"Segoe UI", L"Arial", L"Tahoma", L"Times New Roman",
                                L"Traditional Arabic", L"Noto Naskh Arabic", L"Amiri"})
        if (installed(face) && drawsAll(fontOf(face, points, dpi), text))
            return fontOf(face, points, dpi);
    return font;
}

} // namespace sahifex::platform::win32
