// A small program for the fault tests: it makes the X11 backends on the display it
// is given and reports what happens, as the real program would meet it.
//
//   x11_probe channel       makes both backends; status 2 and the reason on stderr
//                           when they cannot be made
//   x11_probe lose-display  also ends the X server (X11_SESSION_XVFB_PID) and goes
//                           on pasting; it must end with a clear message

#include <QClipboard>
#include <QGuiApplication>

#include "platform/x11/x11_keyboard_layouts.h"
#include "platform/x11/x11_keystrokes.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using sahifex::platform::x11::X11KeyboardLayouts;
using sahifex::platform::x11::X11Keystrokes;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_probe channel|lose-display\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::string error;
    auto layouts = X11KeyboardLayouts::create(error);
    auto keystrokes = layouts ? X11Keystrokes::create(error) : nullptr;
    if (!layouts || !keystrokes) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    std::printf("backends ready\n");
    if (std::strcmp(argv[1], "lose-display") != 0) return 0;

    const char* server = std::getenv("X11_SESSION_XVFB_PID");
    if (!server) return 64;
    QGuiApplication::clipboard()->setText("x");
    kill(std::atoi(server), SIGTERM);
    for (int i = 0; i < 10; ++i) {
        keystrokes->sendKeysAndWait("^v");
        layouts->loadAndActivate("00000401");
        layouts->activeLayoutName();
    }
    std::fprintf(stderr, "x11_probe: still running after the display went away\n");
    return 0;
}
