// The backends of the Linux program on X11.

#include "os/user_folders.h"
#include "platform/native_backends.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_foreground_window.h"
#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_single_instance.h"
#include "platform/xdg/xdg_autostart.h"

namespace sahifex::platform {

namespace {

void addProblem(std::string& problems, const std::string& problem) {
    if (problem.empty()) return;
    if (!problems.empty()) problems += '\n';
    problems += problem;
}

} // namespace

NativeBackends createNativeBackends() {
    NativeBackends backends;
    std::string error;
    backends.layouts = x11::X11KeyboardLayouts::create(error);
    addProblem(backends.problems, error);
    error.clear();
    auto foreground = x11::X11ForegroundWindow::create(error);
    if (foreground) {
        error.clear();
        backends.keystrokes = x11::X11Keystrokes::create(*foreground, error);
        backends.foregroundWindow = std::move(foreground);
    }
    addProblem(backends.problems, error);
    // Without an X display neither of these can be had; the foreground window said so.
    error.clear();
    backends.clipboard = x11::X11Clipboard::create(error);
    backends.singleInstance = x11::X11SingleInstance::create(error);
    std::error_code unknown;
    backends.autostart = std::make_unique<xdg::XdgAutostart>(
        os::userConfigFolder() / "autostart",
        std::filesystem::read_symlink("/proc/self/exe", unknown));
    return backends;
}

} // namespace sahifex::platform
