#pragma once
// Message boxes, right to left, above the program's topmost windows.

#include "platform/message_box.h"

namespace sahifex::platform::win32 {

class Win32MessageBox : public MessageBox {
public:
    void showOk(const std::u16string& text, const std::u16string& title) override;
    bool askOkCancel(const std::u16string& text, const std::u16string& title) override;
};

} // namespace sahifex::platform::win32
