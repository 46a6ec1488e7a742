// A small program for the fault tests: it asks the Linux factory for the services on
// the display it is given and reports what happens, as the real program would meet it.
//
//   x11_probe channel       prints the backend picked for each service; status 2 when
//                           the keys or the layouts got a stand-in (the reason is on
//                           stderr)
//   x11_probe lose-display  also ends the X server (X11_SESSION_XVFB_PID) and goes
//                           on pasting; it must end with a clear message

#include <QApplication>
#include <QClipboard>

#include "platform/linux/linux_backends.h"
#include "platform/qt/window_registry.h"
#include "platform/stand_in/stand_in_backends.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace sahifex::platform;

template <class StandIn, class Service>
const char* kindOf(const std::unique_ptr<Service>& backend) {
    return dynamic_cast<const StandIn*>(backend.get()) ? "stand-in" : "display";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_probe channel|lose-display\n");
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    qt::WindowRegistry windows;
    const ProgramServices services =
        createLinuxServices(LinuxSession::ofThisProgram(), windows, {});
    std::printf("keystrokes: %s, layouts: %s, foreground: %s, single instance: %s\n",
                kindOf<stand_in::StandInKeystrokes>(services.keystrokes),
                kindOf<stand_in::StandInKeyboardLayouts>(services.layouts),
                kindOf<stand_in::StandInForegroundWindow>(services.foregroundWindow),
                kindOf<stand_in::StandInSingleInstance>(services.singleInstance));
    if (dynamic_cast<stand_in::StandInKeystrokes*>(services.keystrokes.get()) ||
        dynamic_cast<stand_in::StandInKeyboardLayouts*>(services.layouts.get()))
        return 2;
    std::printf("backends ready\n");
    if (std::strcmp(argv[1], "lose-display") != 0) return 0;

    const char* server = std::getenv("X11_SESSION_XVFB_PID");
    if (!server) return 64;
    QGuiApplication::clipboard()->setText("x");
    kill(std::atoi(server), SIGTERM);
    for (int i = 0; i < 10; ++i) {
        services.keystrokes->sendKeysAndWait("^v");
        services.layouts->loadAndActivate("00000401");
        services.layouts->activeLayoutName();
    }
    std::fprintf(stderr, "x11_probe: still running after the display went away\n");
    return 0;
}
