#include "platform/wayland/wayland_services.h"

#include <QtGlobal>

#include <cstdio>

#include "platform/wayland/key_routes.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_connection.h"
#include "platform/wayland/wayland_foreground_window.h"
#include "platform/wayland/wayland_keystrokes.h"
#include "platform/wayland/mutter_clipboard.h"
#include "platform/wayland/mutter_key_route.h"

namespace sahifex::platform::wayland {

namespace {

void addProblem(std::string& problems, const std::string& problem) {
    if (problem.empty()) return;
    if (!problems.empty()) problems += '\n';
    problems += problem;
}

// The keys go by key codes, whatever layout is active: the switch is not needed.
class KeyCodeLayouts : public KeyboardLayouts {
public:
    std::string activeLayoutName() override { return {}; }
    void loadAndActivate(const std::string&) override {}
};

} // namespace

bool onWaylandSession() { return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"); }

std::shared_ptr<WaylandConnection> connectToCompositor(std::string& problems) {
    std::string error;
    std::shared_ptr<WaylandConnection> connection = WaylandConnection::open("", error);
    addProblem(problems, error);
    return connection;
}

std::unique_ptr<WaylandClipboard> pickClipboard(std::shared_ptr<WaylandConnection> connection,
                                                std::string& problems) {
    if (!connection) return nullptr;
    std::string error;
    auto clipboard = WaylandClipboard::create(std::move(connection), error);
    addProblem(problems, error);
    return clipboard;
}

std::unique_ptr<ForegroundWindow> pickForegroundWindow(std::function<bool()> programHasFocus) {
    return std::make_unique<WaylandForegroundWindow>(std::move(programHasFocus));
}

std::unique_ptr<Keystrokes> pickKeystrokes(std::shared_ptr<WaylandConnection> connection,
                                           WaylandClipboard* clipboard,
                                           ForegroundWindow& foreground, _XDisplay* xDisplay,
                                           PortalConsent portal, std::string& problems) {
    if (!connection || !clipboard) return nullptr;
    std::string virtualKeyboard, fakeInput;
    std::unique_ptr<KeyRoute> route = virtualKeyboardRoute(connection, virtualKeyboard);
    if (!route) {
        route = fakeInputRoute(connection, fakeInput);
        if (!route && xDisplay) {
            route = xtestRoute(xDisplay);
            addProblem(problems, "without the RemoteDesktop portal the paste reaches XWayland "
                                 "editors only: " + virtualKeyboard + ", and " + fakeInput);
        }
        // The portal, where there is one, decides at the first paste whether it comes
        // before the route found here; a bus without it answers at once.
        route = portalRouteBefore(std::move(route), std::move(portal));
    }
    if (!route) return nullptr;
    std::fprintf(stderr, "sahifex: on Wayland, the paste keys go by %s\n", route->name());
    return std::make_unique<WaylandKeystrokes>(*clipboard, foreground, std::move(route));
}

std::unique_ptr<MutterClipboard> pickMutterClipboard(std::string& problems) {
    const std::string whyNot = MutterSession::whyNotOffered();
    if (!whyNot.empty()) {
        addProblem(problems, whyNot);
        return nullptr;
    }
    return std::make_unique<MutterClipboard>(MutterSession::start());
}

std::unique_ptr<Keystrokes> pickMutterKeystrokes(MutterClipboard& clipboard,
                                                 ForegroundWindow& foreground,
                                                 PortalConsent portal) {
    std::unique_ptr<KeyRoute> route =
        portalRouteBefore(mutterKeyRoute(clipboard.session()), std::move(portal));
    std::fprintf(stderr, "sahifex: on Wayland, the clipboard and the paste keys go by %s\n",
                 route->name());
    return std::make_unique<WaylandKeystrokes>(clipboard, foreground, std::move(route));
}

std::unique_ptr<KeyboardLayouts> pickKeyboardLayouts(const Keystrokes* keystrokes) {
    auto* wayland = dynamic_cast<const WaylandKeystrokes*>(keystrokes);
    if (!wayland || !wayland->route().byKeyCodes()) return nullptr;
    std::fprintf(stderr, "sahifex: the keyboard layout is not switched on Wayland: the paste "
                         "keys go by key codes, whatever layout is active\n");
    return std::make_unique<KeyCodeLayouts>();
}

} // namespace sahifex::platform::wayland
