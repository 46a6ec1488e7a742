#pragma once
// The Wayland services, picked one by one on a Wayland session (WAYLAND_DISPLAY set),
// with the program's windows on XWayland. Each pick returns nullptr, with the reason
// added to problems, where the desktop does not offer what it needs; the X11 service
// then stays in its place (mutter, for one, bridges the X clipboard itself).

#include <functional>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/foreground_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"
#include "platform/wayland/portal_key_route.h"

struct _XDisplay;

namespace sahifex::platform::wayland {

class WaylandConnection;
class WaylandClipboard;
class MutterClipboard;

// Whether the program runs in a Wayland session.
bool onWaylandSession();

// The connection the services share; they keep it alive.
std::shared_ptr<WaylandConnection> connectToCompositor(std::string& problems);

std::unique_ptr<WaylandClipboard> pickClipboard(std::shared_ptr<WaylandConnection> connection,
                                                std::string& problems);
// programHasFocus: whether a window of the program has the keyboard focus.
std::unique_ptr<ForegroundWindow> pickForegroundWindow(std::function<bool()> programHasFocus);
// Needs the Wayland clipboard: the editor's fetch of its text says the paste arrived.
// The keys go by the first route the desktop offers: a virtual keyboard; the RemoteDesktop
// portal where it remembers the consent (portal: what it needs); KWin's fake input; the
// portal that asks at each start; XTest on xDisplay (XWayland editors only).
std::unique_ptr<Keystrokes> pickKeystrokes(std::shared_ptr<WaylandConnection> connection,
                                           WaylandClipboard* clipboard,
                                           ForegroundWindow& foreground, _XDisplay* xDisplay,
                                           PortalConsent portal, std::string& problems);
// On GNOME, whose mutter offers no data-control: the clipboard by mutter's remote desktop
// session, where it is on the session bus.
std::unique_ptr<MutterClipboard> pickMutterClipboard(std::string& problems);
// Ctrl+V by key codes on the clipboard's own session; before it the RemoteDesktop portal
// where it remembers the consent (portal: what it needs).
std::unique_ptr<Keystrokes> pickMutterKeystrokes(MutterClipboard& clipboard,
                                                 ForegroundWindow& foreground,
                                                 PortalConsent portal);
// Where the keys go by key codes the layout is never switched: there is no Wayland
// interface for it, and the paste does not need it. nullptr where the keys need the X
// layouts (XTest).
std::unique_ptr<KeyboardLayouts> pickKeyboardLayouts(const Keystrokes* keystrokes);

} // namespace sahifex::platform::wayland
