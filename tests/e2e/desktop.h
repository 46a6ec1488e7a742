#pragma once
// The X desktop as the user sees it, through xdotool and xprop: windows, their
// places, the focus, the mouse and the keyboard.

#include <string>
#include <sys/types.h>
#include <vector>

namespace sahifex::e2e {

using WindowId = unsigned long;

struct Geometry {
    int x = 0, y = 0;          // the client area on the screen
    int width = 0, height = 0; // the client area's size
};

struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// The mapped windows of a process.
std::vector<WindowId> visibleWindowsOf(pid_t pid);
Geometry geometryOf(WindowId window);
// The frame the window manager draws around the window (none without one).
FrameExtents frameOf(WindowId window);
std::string windowNameOf(WindowId window);
// Whether the window's _NET_WM_WINDOW_TYPE names a utility (tool) window.
bool isUtilityWindow(WindowId window);
// Whether the window's _NET_WM_WINDOW_TYPE names a dialog (a message box).
bool isDialogWindow(WindowId window);

WindowId activeWindow(); // _NET_ACTIVE_WINDOW; 0 when none
WindowId focusWindow();  // the window that has the input focus; 0 when none

// A left click at x, y relative to the window's client area.
void clickAt(WindowId window, int x, int y);
void doubleClickAt(WindowId window, int x, int y);
// Types UTF-8 text into the focused window.
void typeText(const std::string& text);
// Presses keys one after the other, such as "ctrl+Home shift+End", in the focused window.
void pressKeys(const std::string& keys);
// Makes the window active through the window manager and waits for it; without a
// window manager, gives it the input focus.
void activate(WindowId window);
// Moves and sizes the window (its client area, in pixels).
void place(WindowId window, int x, int y, int width, int height);

// The CLIPBOARD selection's text; "" when there is none.
std::string clipboardText();

// A picture of the whole screen into the file (PNG), for a look when a test fails.
void screenshot(const std::string& file);

} // namespace sahifex::e2e
