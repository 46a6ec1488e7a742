#pragma once
// What the X11 tests share: running commands, the display they run on, and a
// mousepad started in a fresh profile, ended by its PID.

#include <filesystem>
#include <string>
#include <sys/types.h>

#include "support/temp_folder.h"

struct _XDisplay; // Xlib's Display; Xlib's macros stay out of the tests

namespace sahifex::testing::x11 {

using Window = unsigned long; // an X window id

struct CommandResult {
    int status = -1; // the exit status; -1 when the command did not exit by itself
    std::string out;
};
// Runs a shell command and returns its status and standard output.
CommandResult run(const std::string& command);

// Qt's X connection (the one the backends use).
_XDisplay* display();
bool windowManagerRuns();
// True when the input focus is on the window or inside it (GTK, under a window
// manager, focuses a small child window of its own).
bool focusIsIn(Window window);
// True when the server holds the left Control key down.
bool controlIsDown();
// Gives the window the focus (through the window manager when one runs) and waits
// until it has it.
void giveFocus(Window window);
// Puts the input focus on the root window, where no program asks for the clipboard.
void focusRootWindow();
// Lets Qt run events for ms milliseconds.
void processEventsFor(int ms);
// Runs events until done() holds or limitMs passes; true when it held.
template <class Done> bool waitUntil(Done done, int limitMs);

// A mousepad editing one file of its own, with a fresh configuration, no session bus
// and no dialogs; ended by its PID when the object ends.
class Mousepad {
public:
    Mousepad();
    ~Mousepad();
    Mousepad(const Mousepad&) = delete;
    Mousepad& operator=(const Mousepad&) = delete;

    Window window() const { return window_; }
    // Gives mousepad the focus (through the window manager when one runs) and waits
    // until it has it.
    void focus();
    // Saves the document (Ctrl+S) and returns the file's bytes once they have changed.
    std::string save();

private:
    TempFolder folder_{"mousepad"};
    std::filesystem::path dir_ = folder_.path();
    std::filesystem::path file_;
    pid_t pid_ = -1;
    Window window_ = 0;
};

template <class Done> bool waitUntil(Done done, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 10) {
        if (done()) return true;
        processEventsFor(10);
    }
    return done();
}

} // namespace sahifex::testing::x11
