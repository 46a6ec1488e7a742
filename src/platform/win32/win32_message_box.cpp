#include "platform/win32/win32_message_box.h"

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

namespace {
// Task-modal: every window of the program waits for the answer.
constexpr UINT kStyle = MB_RTLREADING | MB_RIGHT | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND;
BOOL CALLBACK noteTopmostShown(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

// The box belongs to the uppermost shown window of the program, which stays on top of
// the others: owned by it, the box opens above it, never behind it.
HWND messageBoxOwner() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), noteTopmostShown, reinterpret_cast<LPARAM>(&found));
    return found;
}

void Win32MessageBox::showOk(const std::u16string& text, const std::u16string& title) {
    MessageBoxW(messageBoxOwner(), os::wide(text), os::wide(title), MB_OK | kStyle);
}

bool Win32MessageBox::askOkCancel(const std::u16string& text, const std::u16string& title) {
    return MessageBoxW(messageBoxOwner(), os::wide(text), os::wide(title), MB_OKCANCEL | kStyle) ==
           IDOK;
}

} // namespace sahifex::platform::win32
