#include "view_win32/tool_tips.h"

#include <commctrl.h>

namespace sahifex::view_win32 {

namespace {
constexpr wchar_t kToolTipsProperty[] = L"SahifexToolTips";
} // namespace

HWND createToolTips(HWND form) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetPropW(form, kToolTipsProperty, tips);
    return tips;
}

HWND toolTipsOf(HWND window) {
    return static_cast<HWND>(GetPropW(GetAncestor(window, GA_ROOT), kToolTipsProperty));
}

void setToolTip(HWND control, const std::u16string& text) {
    HWND tips = toolTipsOf(control);
    if (!tips) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_RTLREADING;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty()) return;
    std::u16string copy = text; // the tooltips copy it
    tool.lpszText = reinterpret_cast<wchar_t*>(copy.data());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace sahifex::view_win32
