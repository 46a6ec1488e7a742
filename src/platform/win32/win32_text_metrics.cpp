#include "platform/win32/win32_text_metrics.h"

#include <algorithm>

#include "platform/twips.h"
#include "platform/win32/program_font.h"
#include "platform/win32/win32_dpi.h"

namespace sahifex::platform::win32 {

int Win32TextMetrics::wrappedTextHeight(const std::u16string& text, int widthTwips,
                                        int fontPoints) const {
    // Measured at the desktop's DPI: in twips, the height is the same on every screen.
    const int dpi = systemDpi();
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(context, programFont(fontPoints, dpi));
    TEXTMETRICW font{};
    GetTextMetricsW(context, &font);
    // An empty label still takes one line, as a label with a blank caption does.
    const std::u16string shown = text.empty() ? u" " : text;
    RECT bounds{0, 0, std::max(1, toPixels(widthTwips, dpi)), 0};
    DrawTextW(context, os::wide(shown), static_cast<int>(shown.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_RTLREADING | DT_NOPREFIX);
    SelectObject(context, previous);
    DeleteDC(context);
    return toTwips(std::max<int>(bounds.bottom - bounds.top, font.tmHeight), dpi);
}

int Win32TextMetrics::lineWidth(const std::u16string& text, int fontPoints) const {
    const int dpi = systemDpi();
    HDC context = CreateCompatibleDC(nullptr);
    // In the face the check boxes draw the caption in: another one where the program's
    // font lacks a character.
    HGDIOBJ previous = SelectObject(context, fontFor(text, fontPoints, dpi));
    RECT bounds{0, 0, 0, 0};
    DrawTextW(context, os::wide(text), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_SINGLELINE | DT_RTLREADING | DT_NOPREFIX);
    SelectObject(context, previous);
    DeleteDC(context);
    return toTwips(bounds.right - bounds.left, dpi);
}

} // namespace sahifex::platform::win32
