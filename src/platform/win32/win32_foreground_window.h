#pragma once
// The window the user works in, and the focus handed back to it before the paste keys.

#include "platform/foreground_window.h"
#include "os/windows_api.h"

namespace sahifex::platform::win32 {

class Win32ForegroundWindow : public ForegroundWindow {
public:
    void remember() override;
    void handBack() override;

    HWND remembered() const { return remembered_; }

private:
    HWND remembered_ = nullptr;
};

} // namespace sahifex::platform::win32
