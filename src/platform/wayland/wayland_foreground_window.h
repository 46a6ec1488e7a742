#pragma once
// The focus hand-back on a Wayland session. No Wayland client can name or activate
// another client's window; the compositor gives the focus back to the window the user
// worked in when ours hides. So the paste hides the program's window first (the bar
// never takes the focus), and the hand-back waits, on the event loop, until the program
// has lost the focus, at most kWaitMs.

#include <functional>

#include "platform/foreground_window.h"

namespace sahifex::platform::wayland {

class WaylandForegroundWindow : public ForegroundWindow {
public:
    static constexpr int kWaitMs = 500;

    // programHasFocus: whether one of the program's windows has the keyboard focus.
    explicit WaylandForegroundWindow(std::function<bool()> programHasFocus);

    // Nothing to note: the compositor knows the window the user works in.
    void remember() override {}
    // Returns once the focus has left the program's windows, or kWaitMs have passed.
    void handBack() override;

private:
    std::function<bool()> programHasFocus_;
};

} // namespace sahifex::platform::wayland
