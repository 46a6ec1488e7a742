#pragma once
// The platform services handed to the forms through their constructors.

#include <filesystem>

#include "forms/text_metrics.h"
#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/keyboard_layouts.h"
#include "platform/keystrokes.h"
#include "platform/message_box.h"
#include "platform/screen.h"
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
    std::filesystem::path programDir; // where the verse files and the settings file lie
};

} // namespace sahifex::platform
