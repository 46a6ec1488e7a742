#include "platform/win32/win32_foreground_window.h"

namespace sahifex::platform::win32 {

namespace {

bool candidate(HWND window) {
    return window && IsWindow(window) && IsWindowVisible(window) && !IsIconic(window) &&
           !os::isOurWindow(window);
}

// The top-level windows lie in the order they were last active (topmost ones first):
// the first visible one that is not ours is the one the user worked in last.
HWND lastActiveOtherWindow() {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!candidate(window) || GetWindow(window, GW_OWNER)) continue;
        if (GetWindowLongPtrW(window, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)) continue;
        if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) continue;
        return window;
    }
    return nullptr;
}

} // namespace

void Win32ForegroundWindow::remember() {
    HWND active = GetForegroundWindow();
    if (candidate(active)) remembered_ = active;
}

HWND Win32ForegroundWindow::giveBack() {
    HWND active = GetForegroundWindow();
    if (candidate(active)) {
        remembered_ = active; // the user already works there
        return active;
    }
    HWND target = lastActiveOtherWindow();
    if (!target && candidate(remembered_)) target = remembered_;
    if (!target) return nullptr;
    remembered_ = target;
    SetForegroundWindow(target);
    return target;
}

bool Win32ForegroundWindow::takesKeys(HWND window) {
    if (!window || GetForegroundWindow() != window) return false;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) &&
           thread.hwndFocus != nullptr;
}

} // namespace sahifex::platform::win32
