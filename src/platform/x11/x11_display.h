#pragma once
// What the X11 backends share: Qt's own X connection, root window properties, and a
// trap for the X errors of a few requests.

#include <X11/Xlib.h>

#include <functional>
#include <optional>
#include <string>

namespace sahifex::platform::x11 {

// Whether the program can open its windows on X11, asked before the toolkit's
// application object is made: "" when it can, else what is wrong. Makes Qt use its xcb
// platform unless another one was asked for.
std::string displayProblem();

// The Xlib display of Qt's connection; nullptr, with the reason in error, when the
// program does not run on an X11 display.
Display* qtDisplay(std::string& error);

// The part of a window's id that names the X connection (the program) that made it; 0
// without Qt's X connection.
unsigned long clientOf(Window window);
// Whether the window was made on Qt's own connection: the program's own.
bool isOwnWindow(Window window);

// A property of the root window as bytes (8-bit formats); nullopt when it is not set.
std::optional<std::string> rootStringProperty(Display* display, const char* name);
// A WINDOW property of a window; nullopt when it is not set or the window is gone.
std::optional<Window> windowProperty(Display* display, Window window, const char* name);

// Walks from the window up through its ancestors until one satisfies `stop`; true
// when one did, false at the root or when a window in between is gone.
bool selfOrAncestor(Display* display, Window window, const std::function<bool(Window)>& stop);

// Says once, on stderr, that the connection to the display was lost, then lets the
// handler that was installed before end the program.
void installDisplayLossHandler();

// Catches the X errors of the requests made while it lives, instead of the handler
// installed before (which is back when the trap ends). Traps may nest. Only requests that wait for
// a reply, or that are followed by sync(), report their errors here.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Waits until the server has handled every request; true when none failed.
    bool sync();
    bool failed() const;

private:
    Display* display_;
    XErrorHandler previous_;
    bool outerFailed_;
};

} // namespace sahifex::platform::x11
