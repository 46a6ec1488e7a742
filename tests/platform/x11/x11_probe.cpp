// A small program for the fault tests: it makes the X11 backends on the display it
// is given and reports what happens, as the real program would meet it.
//
//   x11_probe channel       makes both backends; status 2 and the reason on stderr
//                           when they cannot be made
//   x11_probe lose-display  also ends the X server (X11_SESSION_XVFB_PID) and goes
//                           on pasting; it must end with a clear message

#include <QClipboard>
#include <QGuiApplication>

#include "platform/native_backends.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>


int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_probe channel|lose-display\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    sahifex::platform::NativeBackends backends = sahifex::platform::createNativeBackends();
    if (!backends.layouts || !backends.keystrokes) {
        std::fprintf(stderr, "%s\n", backends.problems.c_str());
        return 2;
    }
    auto& keystrokes = backends.keystrokes;
    std::printf("backends ready\n");
    if (std::strcmp(argv[1], "lose-display") != 0) return 0;

    const char* server = std::getenv("X11_SESSION_XVFB_PID");
    if (!server) return 64;
    QGuiApplication::clipboard()->setText("x");
    kill(std::atoi(server), SIGTERM);
    for (int i = 0; i < 10; ++i) {
        keystrokes->sendKeysAndWait("^v");
        backends.layouts->loadAndActivate("00000401");
        backends.layouts->activeLayoutName();
    }
    std::fprintf(stderr, "x11_probe: still running after the display went away\n");
    return 0;
}
