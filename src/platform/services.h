#pragma once
// The platform services of the program: handed to the forms through their constructors,
// and to the program, which wires what lies around them (a second start, the focus).

#include <filesystem>

#include "forms/text_metrics.h"
#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/foreground_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/topmost.h"

namespace sahifex::platform {

struct Services {
    Clipboard& clipboard;
    Keystrokes& keystrokes;
    KeyboardLayouts& layouts;
    Topmost& topmost;
    MessageBox& messages;
    forms::TextMetrics& metrics;
    EventLoop& loop;
    Screen& screen;
    Autostart& autostart;
    ForegroundWindow& foregroundWindow;
    SingleInstance& singleInstance;
    std::filesystem::path programDir; // where the verse files and the settings file lie
};

} // namespace sahifex::platform
