#pragma once
// The paste keystroke: Ctrl+V by virtual key (whatever layout is active), then a wait
// until the editor has taken our promised text: its request (WM_RENDERFORMAT) and a
// quiet spell without another, bounded.

#include <chrono>

#include "platform/foreground_window.h"
#include "platform/keystrokes.h"
#include "platform/win32/win32_clipboard.h"

namespace sahifex::platform::win32 {

struct PasteWait {
    std::chrono::milliseconds firstRequest{1500}; // the editor's first request, at most
    std::chrono::milliseconds quiet{55};          // then this long without another
};

class Win32Keystrokes : public Keystrokes {
public:
    // foreground (when given) gets the focus back to the editor before the keys.
    explicit Win32Keystrokes(Win32Clipboard& clipboard, ForegroundWindow* foreground = nullptr,
                             PasteWait wait = {})
        : clipboard_(clipboard), foreground_(foreground), wait_(wait) {}

    bool sendKeysAndWait(const std::string& keys) override;

private:
    bool waitForRequests(unsigned requestsBefore);

    Win32Clipboard& clipboard_;
    ForegroundWindow* foreground_;
    PasteWait wait_;
};

} // namespace sahifex::platform::win32
