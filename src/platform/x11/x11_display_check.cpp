// Whether the program can open its windows on X11.

#include <X11/Xlib.h>
#include <cstdlib>

#include "platform/x11/x11_display.h"

namespace sahifex::platform::x11 {

std::string displayProblem() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0)
        return {}; // another platform (offscreen, for instance) needs no X display
    // Under Wayland the program runs through XWayland: it needs X's clipboard and keys.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return "no X display: DISPLAY is not set (Sahifex needs an X11 session or XWayland)";
    Display* display = XOpenDisplay(name);
    if (!display) return std::string("cannot open the X display ") + name;
    XCloseDisplay(display);
    return {};
}

} // namespace sahifex::platform::x11
