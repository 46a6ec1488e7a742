#pragma once
// The backends of the Linux program. Each service has its own pick, made at start-up
// from what the desktop session offers: the compositor's on a Wayland session where it
// offers them, the X display's (XWayland's too) where it can, else the stand-in or the
// toolkit's own. One display system can serve one service and not another (a display
// without XTest still switches layouts).

#include <filesystem>
#include <memory>
#include <string>

#include "platform/program_services.h"

namespace sahifex::platform::qt { class WindowRegistry; }

namespace sahifex::platform {

// What the desktop session offers the backends.
struct LinuxSession {
    bool x11 = false;        // the program runs on an X display (XWayland too)
    bool wayland = false;    // the session is a Wayland one (WAYLAND_DISPLAY)
    // Why a backend that needs a display cannot be had.
    std::string noDisplay = "the program runs without a display its backends can use";

    // Needs the QApplication: the X11 backends work on Qt's own connection.
    static LinuxSession ofThisProgram();
};

// Whether the program can open its windows on this display, asked before the toolkit's
// application object is made (Qt ends the process when it cannot reach the display).
// "" when it can, else what is wrong.
std::string displayProblem();

// Every service of the program, each picked for the session. Needs the QApplication;
// the view registers its windows in `windows`, where the topmost service finds them.
// Why a backend could not be had is said on stderr. settingsFolder: where the program
// keeps what a backend must remember between runs (a desktop's consent); empty: nothing
// is kept.
ProgramServices createLinuxServices(const LinuxSession& session, qt::WindowRegistry& windows,
                                    std::filesystem::path programDir,
                                    std::filesystem::path settingsFolder = {});

} // namespace sahifex::platform
