#include "platform/win32/win32_backends.h"

#include "os/windows_api.h"
#include "platform/win32/win32_autostart.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_foreground_window.h"
#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/win32/win32_keystrokes.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_topmost.h"

namespace sahifex::platform::win32 {

ProgramServices createWin32Services(WindowRegistry& windows) {
    ProgramServices services;
    auto clipboard = std::make_unique<Win32Clipboard>();
    auto foreground = std::make_unique<Win32ForegroundWindow>();
    auto loop = std::make_unique<Win32EventLoop>();
    // Text still promised on the clipboard is handed over before the program ends.
    loop->beforeExit = [&promised = *clipboard] { promised.renderPromised(); };
    // The paste hands the focus back to the editor, then waits for its request for the
    // clipboard's promised text.
    services.keystrokes = std::make_unique<Win32Keystrokes>(*clipboard, foreground.get());
    services.clipboard = std::move(clipboard);
    services.foregroundWindow = std::move(foreground);
    services.loop = std::move(loop);
    services.layouts = std::make_unique<Win32KeyboardLayouts>();
    services.topmost = std::make_unique<Win32Topmost>(windows);
    services.messages = std::make_unique<Win32MessageBox>();
    services.metrics = std::make_unique<Win32TextMetrics>();
    services.screen = std::make_unique<Win32Screen>();
    services.autostart = std::make_unique<Win32Autostart>(os::programPath());
    services.singleInstance = std::make_unique<Win32SingleInstance>();
    // The folder of the executable, from its wide name: a folder with an Arabic name too.
    services.programDir = std::filesystem::path(os::programPath()).parent_path();
    return services;
}

} // namespace sahifex::platform::win32
