// The backends of the Linux program on X11.

#include <QtGlobal>
#include <cstdio>

#include "os/user_folders.h"
#include "platform/native_backends.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_foreground_window.h"
#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_keystrokes.h"
#include "platform/x11/x11_single_instance.h"
#include "platform/xdg/xdg_autostart.h"

#if SAHIFEX_WAYLAND_SERVICES
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_connection.h"
#include "platform/wayland/wayland_services.h"
#include "platform/x11/x11_display.h"
#endif

namespace sahifex::platform {

namespace {

void addProblem(std::string& problems, const std::string& problem) {
    if (problem.empty()) return;
    if (!problems.empty()) problems += '\n';
    problems += problem;
}

// On a Wayland session the X services reach only XWayland programs: the clipboard, the
// paste keys and the focus hand-back are the compositor's, each where it offers them.
void useWaylandServices(NativeBackends& backends) {
#if SAHIFEX_WAYLAND_SERVICES
    std::string problems, noDisplay;
    Display* display = x11::qtDisplay(noDisplay);
    if (!wayland::onWaylandSession() || !display) return;
    auto connection = wayland::connectToCompositor(problems);
    auto clipboard = wayland::pickClipboard(connection, problems);
    auto foreground = wayland::pickForegroundWindow(
        [display] { return x11::focusInProgramWindow(display); });
    auto keystrokes =
        wayland::pickKeystrokes(connection, clipboard.get(), *foreground, display, problems);
    if (auto layouts = wayland::pickKeyboardLayouts(keystrokes.get()))
        backends.layouts = std::move(layouts);
    if (keystrokes) {
        backends.keystrokes = std::move(keystrokes);
        backends.foregroundWindow = std::move(foreground);
    }
    if (clipboard) backends.clipboard = std::move(clipboard);
    // The X services in place of a Wayland one work, for XWayland programs: only said.
    if (!problems.empty()) std::fprintf(stderr, "sahifex: on Wayland: %s\n", problems.c_str());
#else
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        addProblem(backends.problems,
                   "this copy of the program was built without its Wayland services: on a "
                   "Wayland session it tracks and pastes into XWayland programs only");
#endif
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
    useWaylandServices(backends);
    return backends;
}

} // namespace sahifex::platform
