#include "platform/win32/program_font.h"

#include <map>

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

} // namespace

HFONT programFont(int points) {
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[points];
    if (!font) {
        LOGFONTW wanted{};
        wanted.lfHeight = -pointsToPixels(points);
        wanted.lfWeight = FW_NORMAL;
        wanted.lfCharSet = DEFAULT_CHARSET;
        wanted.lfQuality = CLEARTYPE_QUALITY;
        wcsncpy(wanted.lfFaceName, programFace(), LF_FACESIZE - 1);
        font = CreateFontIndirectW(&wanted);
    }
    return font;
}

} // namespace sahifex::platform::win32
