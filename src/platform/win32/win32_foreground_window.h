#pragma once
// The window the user works in, and the focus handed back to it before the paste keys.

#include "platform/foreground_window.h"
#include "os/windows_api.h"

namespace sahifex::platform::win32 {

class Win32ForegroundWindow : public ForegroundWindow {
public:
    void remember() override;
    void handBack() override { giveBack(); }

    // Asks for the focus to go back to the window the user works in (the system moves it
    // a moment later), and returns that window; null when there is none.
    HWND giveBack();
    // Whether keys typed now reach the window: it is the foreground window, and its thread
    // has a window with the keyboard focus (it has taken its activation).
    static bool takesKeys(HWND window);

    HWND remembered() const { return remembered_; }

private:
    HWND remembered_ = nullptr;
};

} // namespace sahifex::platform::win32
