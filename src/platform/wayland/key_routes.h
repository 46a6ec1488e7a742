#pragma once
// The ways to press Ctrl+V into the program the user works in, from a Wayland session,
// where XTest reaches only XWayland programs. Each presses the keys by their key codes,
// so the active keyboard layout does not matter.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/wayland/wayland_connection.h"

struct _XDisplay;

namespace sahifex::platform::wayland {

// Linux input key codes (linux/input-event-codes.h); XKB's are 8 higher.
namespace keys {
constexpr uint32_t kLeftControl = 29, kA = 30, kS = 31, kC = 46, kV = 47, kZ = 44;
}

class KeyRoute {
public:
    virtual ~KeyRoute() = default;
    // For the program's report: which way the keys go.
    virtual const char* name() const = 0;
    // Makes the route ready to press keys, before the program hands the focus back: a
    // route may have to ask the desktop first (and the person, once). False when no
    // keys can be sent.
    virtual bool prepare() { return true; }
    // Presses Control, then the key, and releases both; false when the keys could not
    // be sent.
    virtual bool pressWithControl(uint32_t key) = 0;
    bool pressControlV() { return pressWithControl(keys::kV); }
    // Whether the keys go by the route's own key codes, whatever layout is active.
    virtual bool byKeyCodes() const { return true; }
    // Whether the keys reach native Wayland programs, not only XWayland ones.
    virtual bool reachesWaylandPrograms() const { return true; }
};

// A virtual keyboard (wlroots compositors): made once and kept for the program's life,
// with one full keymap uploaded once (a keymap change reaches XWayland programs late,
// and a seat whose last keyboard goes away takes the focus from every window). nullptr,
// with the reason in error, when the compositor offers none or the keymap cannot be made.
std::unique_ptr<KeyRoute> virtualKeyboardRoute(std::shared_ptr<WaylandConnection> connection,
                                               std::string& error);

// KWin's fake input, offered only to a program whose desktop entry asks for it.
std::unique_ptr<KeyRoute> fakeInputRoute(std::shared_ptr<WaylandConnection> connection,
                                         std::string& error);

// XTest on the program's X display: reaches XWayland programs only, by the keys of the
// X keyboard map, which depend on the active layout. Ctrl+V only.
std::unique_ptr<KeyRoute> xtestRoute(_XDisplay* display);

} // namespace sahifex::platform::wayland
