#pragma once
// The paste keystroke: Ctrl+V by virtual key (whatever layout is active), then a wait
// until the editor has taken our promised text (WM_RENDERFORMAT), as long as the paste
// policy says (platform/paste_policy.h).

#include "platform/win32/win32_foreground_window.h"
#include "platform/keystrokes.h"
#include "platform/win32/win32_clipboard.h"

namespace sahifex::platform::win32 {

class Win32Keystrokes : public Keystrokes {
public:
    // foreground (when given) gets the focus back to the editor before the keys; the keys
    // wait until the editor has taken it.
    explicit Win32Keystrokes(Win32Clipboard& clipboard, Win32ForegroundWindow* foreground = nullptr)
        : clipboard_(clipboard), foreground_(foreground) {}

    // False, without keys, when the clipboard no longer holds our promise (another program
    // took it since it was set) or the editor did not take the focus handed back in time; false when the editor did not ask for the text in time or
    // another program took the clipboard before it asked.
    bool sendKeysAndWait(const std::string& keys) override;

private:
    Win32Clipboard& clipboard_;
    Win32ForegroundWindow* foreground_;
};

} // namespace sahifex::platform::win32
