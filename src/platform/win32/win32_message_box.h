#pragma once
// Message boxes, right to left, above the program's topmost windows.

#include "os/windows_api.h"
#include "platform/message_box.h"

namespace sahifex::platform::win32 {

// The program's window that a message box shown now belongs to: the uppermost shown
// window of this thread that stays on top; nullptr when none shows.
HWND messageBoxOwner();

class Win32MessageBox : public MessageBox {
public:
    void showOk(const std::u16string& text, const std::u16string& title) override;
    bool askOkCancel(const std::u16string& text, const std::u16string& title) override;
};

} // namespace sahifex::platform::win32
