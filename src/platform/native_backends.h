#pragma once
// The backends of the platform the program is built for. Each backend folder defines
// createNativeBackends once, and the build links exactly one of those folders.

#include <memory>
#include <string>

#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/foreground_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"
#include "platform/single_instance.h"

namespace sahifex::platform {

struct NativeBackends {
    // A backend that cannot work on this display is left empty, and `problems` says why;
    // the program then puts a stand-in in its place. An empty clipboard means the
    // toolkit's own.
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<ForegroundWindow> foregroundWindow;
    std::unique_ptr<Keystrokes> keystrokes;
    std::unique_ptr<KeyboardLayouts> layouts;
    std::unique_ptr<SingleInstance> singleInstance;
    std::unique_ptr<Autostart> autostart;
    std::string problems;
};

// Whether the program can open its windows on this display, asked before the toolkit's
// application object is made (Qt ends the process when it cannot reach the display).
// "" when it can, else what is wrong.
std::string displayProblem();

// Needs the toolkit's application object (the QApplication on Linux).
NativeBackends createNativeBackends();

} // namespace sahifex::platform
