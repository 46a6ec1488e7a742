#pragma once
// Every service the program runs on, owned. Each platform's factory fills every one of
// them: where the desktop cannot offer a backend, a stand-in takes its place.

#include <filesystem>
#include <memory>

#include "platform/services.h"

namespace sahifex::platform {

struct ProgramServices {
    // The keystrokes hand the focus back and serve the clipboard: both outlive them.
    std::unique_ptr<ForegroundWindow> foregroundWindow;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<Keystrokes> keystrokes;
    std::unique_ptr<KeyboardLayouts> layouts;
    std::unique_ptr<Topmost> topmost;
    std::unique_ptr<MessageBox> messages;
    std::unique_ptr<forms::TextMetrics> metrics;
    std::unique_ptr<EventLoop> loop;
    std::unique_ptr<Screen> screen;
    std::unique_ptr<Autostart> autostart;
    std::unique_ptr<SingleInstance> singleInstance;
    std::filesystem::path programDir;

    // The services as the forms take them; they stay valid while this lives.
    Services services() const {
        return Services{*clipboard, *keystrokes, *layouts, *topmost, *messages, *metrics,
                        *loop,      *screen,     *autostart, *foregroundWindow,
                        *singleInstance, programDir};
    }
};

} // namespace sahifex::platform
