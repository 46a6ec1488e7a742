#include "platform/native_backends.h"

#include "platform/win32/win32_autostart.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_foreground_window.h"
#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/win32/win32_keystrokes.h"
#include "platform/win32/win32_single_instance.h"
#include "os/windows_api.h"

namespace sahifex::platform {

NativeBackends createNativeBackends() {
    NativeBackends backends;
    auto clipboard = std::make_unique<win32::Win32Clipboard>();
    auto foreground = std::make_unique<win32::Win32ForegroundWindow>();
    // The paste hands the focus back to the editor, then waits for its request for the
    // clipboard's promised text.
    backends.keystrokes = std::make_unique<win32::Win32Keystrokes>(*clipboard, foreground.get());
    backends.clipboard = std::move(clipboard);
    backends.foregroundWindow = std::move(foreground);
    backends.layouts = std::make_unique<win32::Win32KeyboardLayouts>();
    backends.singleInstance = std::make_unique<win32::Win32SingleInstance>();
    backends.autostart = std::make_unique<win32::Win32Autostart>(os::programPath());
    return backends;
}

} // namespace sahifex::platform
