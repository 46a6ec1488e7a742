#pragma once
// Keyboard layouts on X11: the XKB groups of the display.
//
// The layouts configured for the keyboard are read from the root window's
// _XKB_RULES_NAMES property (for example "us,ara": group 0 is "us", group 1 "ara").
// The active layout is the one of the group that XkbGetState reports. Activating a
// layout locks the group that holds it, on the same X connection that sends the
// paste keystroke, so that the switch and the keys reach the server in order.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/keyboard_layouts.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

class X11KeyboardLayouts : public KeyboardLayouts {
public:
    // Works on Qt's own X connection (QNativeInterface::QX11Application). Returns
    // nullptr, with the reason in error, when the program does not run on an X11
    // display or the display has no XKB extension.
    static std::unique_ptr<X11KeyboardLayouts> create(std::string& error);

    // On a display that is known to have XKB (see create).
    explicit X11KeyboardLayouts(_XDisplay* display);

    // The 8-digit name of the active group's layout ("00000409" for "us",
    // "00000401" for "ara"); "" when it cannot be read or the layout has no name.
    std::string activeLayoutName() override;
    // Locks the group that holds the layout named by id. An id whose layout is not
    // configured leaves the active group as it was.
    void loadAndActivate(const std::string& id) override;

    // The configured layouts, one a group, in group order ("us", "ara").
    std::vector<std::string> configuredLayouts();
    // The active group's index; nullopt when it cannot be read.
    std::optional<int> activeGroup();

    // The 8-digit id of an XKB layout name ("us" -> "00000409"); "" when unknown.
    static std::string layoutId(const std::string& xkbLayout);

private:
    _XDisplay* display_;
};

} // namespace sahifex::platform::x11
