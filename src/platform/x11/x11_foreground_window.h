#pragma once
// The window the user works in, on X11: remembered before our main window shows, and
// given the focus back before the paste keys.
//
// After our window hides, a window manager gives the focus back to the editor, but
// without one the focus falls to the root window and the keys would go nowhere.

#include <functional>
#include <memory>
#include <string>

#include "platform/foreground_window.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

class X11ForegroundWindow : public ForegroundWindow {
public:
    // Works on Qt's own X connection; nullptr, with the reason in error, when the program
    // does not run on an X11 display.
    static std::unique_ptr<X11ForegroundWindow> create(std::string& error);
    explicit X11ForegroundWindow(_XDisplay* display);

    // Records the window that is active now (_NET_ACTIVE_WINDOW when a window manager
    // runs, the input focus when none does). Our own windows, the root and "no window"
    // are not recorded: the earlier record stays.
    void remember() override;
    // Activates the recorded window again unless it has the focus, and waits briefly
    // until the server has moved the focus there.
    void handBack() override;

    // The recorded window; 0 when none.
    unsigned long rememberedWindow() const { return remembered_; }
    // Tells which X windows are ours. Without it, a window is ours when it is, or lies
    // inside, the native window of one of this process's QWindows.
    void setOwnWindows(std::function<bool(unsigned long)> isOwnWindow);

private:
    bool focusIsIn(unsigned long window);
    bool isOwnWindow(unsigned long window);

    _XDisplay* display_;
    unsigned long remembered_ = 0;
    std::function<bool(unsigned long)> isOwnWindow_;
};

} // namespace sahifex::platform::x11
