#include "platform/win32/win32_message_box.h"

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

namespace {
// Task-modal: every window of the program waits for the answer.
constexpr UINT kStyle = MB_RTLREADING | MB_RIGHT | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND;
} // namespace

void Win32MessageBox::showOk(const std::u16string& text, const std::u16string& title) {
    MessageBoxW(nullptr, os::wide(text), os::wide(title), MB_OK | kStyle);
}

bool Win32MessageBox::askOkCancel(const std::u16string& text, const std::u16string& title) {
    return MessageBoxW(nullptr, os::wide(text), os::wide(title), MB_OKCANCEL | kStyle) == IDOK;
}

} // namespace sahifex::platform::win32
