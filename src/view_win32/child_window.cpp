#include "view_win32/child_window.h"

namespace sahifex::view_win32 {

HWND createChild(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, HWND parent) {
    HWND window = CreateWindowExW(extendedStyle, windowClass, L"",
                                  WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return window;
}

} // namespace sahifex::view_win32
