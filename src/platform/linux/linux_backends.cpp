#include "platform/linux/linux_backends.h"

#include <QtGlobal>
#include <cstdio>

#include "os/user_folders.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/qt_topmost.h"
#include "platform/stand_in/stand_in_backends.h"
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
#include "platform/wayland/mutter_clipboard.h"
#endif
// Xlib's macros (Status, Bool) come after every Qt header.
#include "platform/x11/x11_display.h"

namespace sahifex::platform {

LinuxSession LinuxSession::ofThisProgram() {
    LinuxSession session;
    session.x11 = x11::qtDisplay(session.noDisplay) != nullptr;
    session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return session;
}

std::string displayProblem() { return x11::displayProblem(); }

namespace {

// The session, and what the picks made so far that later picks build on. Each pick
// tries the session's backends in turn; the first that can be had serves.
struct Picking {
    Picking(const LinuxSession& session, std::filesystem::path settingsFolder)
        : session(session), settingsFolder(std::move(settingsFolder)) {
        std::string ignored;
        if (session.x11) display = x11::qtDisplay(ignored);
#if SAHIFEX_WAYLAND_SERVICES
        // The windows stay on XWayland: the compositor's services come beside its display.
        if (session.wayland && display) compositor = wayland::connectToCompositor(waylandProblems);
#endif
    }
    ~Picking() {
#if !SAHIFEX_WAYLAND_SERVICES
        if (session.wayland)
            addWaylandProblem("this copy of the program was built without its Wayland "
                              "services: it tracks and pastes into XWayland programs only");
#endif
        // The X services in place of a Wayland one work, for XWayland programs: only said.
        if (!waylandProblems.empty())
            std::fprintf(stderr, "sahifex: on Wayland: %s\n", waylandProblems.c_str());
    }
    void addWaylandProblem(const std::string& problem) {
        if (!waylandProblems.empty()) waylandProblems += '\n';
        waylandProblems += problem;
    }

    const LinuxSession& session;
    const std::filesystem::path settingsFolder;
    Display* display = nullptr; // Qt's X connection
    std::string waylandProblems;
#if SAHIFEX_WAYLAND_SERVICES
    std::shared_ptr<wayland::WaylandConnection> compositor;
    wayland::WaylandClipboard* waylandClipboard = nullptr; // when it was picked
    wayland::MutterClipboard* mutterClipboard = nullptr; // when it was picked
#endif
};

std::unique_ptr<Clipboard> pickClipboard(Picking& picking) {
    std::string why;
#if SAHIFEX_WAYLAND_SERVICES
    if (auto clipboard = wayland::pickClipboard(picking.compositor, picking.waylandProblems)) {
        picking.waylandClipboard = clipboard.get();
        return clipboard;
    }
    if (picking.compositor)
        if (auto clipboard = wayland::pickMutterClipboard(picking.waylandProblems)) {
            picking.mutterClipboard = clipboard.get();
            return clipboard;
        }
#endif
    if (picking.session.x11)
        if (auto clipboard = x11::X11Clipboard::create(why)) return clipboard;
    return std::make_unique<qt::QtClipboard>(); // whatever the toolkit reaches
}

#if SAHIFEX_WAYLAND_SERVICES
// What the desktop's RemoteDesktop portal needs: its consent is kept beside the settings,
// and asked after our sentence.
wayland::PortalConsent portalConsent(const Picking& picking, ProgramServices& services) {
    wayland::PortalConsent portal;
    if (!picking.settingsFolder.empty())
        portal.tokenFile = picking.settingsFolder / "remote-desktop-consent";
    portal.explain = [messages = services.messages.get()] {
        messages->showOk(wayland::kWhyPasteKeys, u"صحيفة");
    };
    return portal;
}
#endif

// The paste keys and the focus hand-back come as a pair: the keys hand the focus back
// through the foreground window of their own display system.
void pickKeystrokes(Picking& picking, ProgramServices& services) {
#if SAHIFEX_WAYLAND_SERVICES
    if (picking.mutterClipboard) {
        // mutter hands the focus to a native window a moment after ours hid.
        Display* display = picking.display;
        services.foregroundWindow = wayland::pickForegroundWindow([display] {
            return x11::focusInProgramWindow(display) || x11::activeWindowInProgram(display);
        });
        services.keystrokes = wayland::pickMutterKeystrokes(
            *picking.mutterClipboard, *services.foregroundWindow, portalConsent(picking, services));
        return;
    }
    if (picking.waylandClipboard) {
        Display* display = picking.display;
        auto foreground = wayland::pickForegroundWindow(
            [display] { return x11::focusInProgramWindow(display); });
        if (auto keystrokes = wayland::pickKeystrokes(picking.compositor, picking.waylandClipboard,
                                                      *foreground, display,
                                                      portalConsent(picking, services),
                                                      picking.waylandProblems)) {
            services.foregroundWindow = std::move(foreground);
            services.keystrokes = std::move(keystrokes);
            return;
        }
    }
#endif
    std::string why = picking.session.noDisplay;
    if (picking.session.x11) services.foregroundWindow = x11::X11ForegroundWindow::create(why);
    if (!services.foregroundWindow)
        services.foregroundWindow = std::make_unique<stand_in::StandInForegroundWindow>();
    if (picking.session.x11) {
        auto keystrokes = x11::X11Keystrokes::create(*services.foregroundWindow, why);
        auto* clipboard = dynamic_cast<x11::X11Clipboard*>(services.clipboard.get());
        if (keystrokes && clipboard) keystrokes->heedTakeoversOf(*clipboard);
        services.keystrokes = std::move(keystrokes);
    }
    if (!services.keystrokes)
        services.keystrokes = std::make_unique<stand_in::StandInKeystrokes>(why);
}

std::unique_ptr<KeyboardLayouts> pickLayouts(Picking& picking, const Keystrokes& keystrokes) {
    std::string why = picking.session.noDisplay;
#if SAHIFEX_WAYLAND_SERVICES
    if (auto layouts = wayland::pickKeyboardLayouts(&keystrokes)) return layouts;
#else
    (void)keystrokes;
#endif
    if (picking.session.x11)
        if (auto layouts = x11::X11KeyboardLayouts::create(why)) return layouts;
    return std::make_unique<stand_in::StandInKeyboardLayouts>(why);
}

std::unique_ptr<SingleInstance> pickSingleInstance(Picking& picking) {
    std::string why;
    if (picking.session.x11)
        if (auto instance = x11::X11SingleInstance::create(why)) return instance;
    return std::make_unique<stand_in::StandInSingleInstance>();
}

std::unique_ptr<Autostart> pickAutostart() {
    std::error_code unknown;
    return std::make_unique<xdg::XdgAutostart>(
        os::userConfigFolder() / "autostart",
        std::filesystem::read_symlink("/proc/self/exe", unknown));
}

} // namespace

ProgramServices createLinuxServices(const LinuxSession& session, qt::WindowRegistry& windows,
                                    std::filesystem::path programDir,
                                    std::filesystem::path settingsFolder) {
    Picking picking(session, std::move(settingsFolder));
    ProgramServices services;
    services.messages = std::make_unique<qt::QtMessageBox>(); // a key route may ask through it
    services.clipboard = pickClipboard(picking);
    pickKeystrokes(picking, services);
    services.layouts = pickLayouts(picking, *services.keystrokes);
    services.topmost = std::make_unique<qt::QtTopmost>(windows);
    services.metrics = std::make_unique<qt::QtTextMetrics>();
    services.loop = std::make_unique<qt::QtEventLoop>();
    services.screen = std::make_unique<qt::QtScreen>();
    services.autostart = pickAutostart();
    services.singleInstance = pickSingleInstance(picking);
    services.programDir = std::move(programDir);
    return services;
}

} // namespace sahifex::platform
