#pragma once
// The Qt backends of the program, together: everything but the keyboard, the foreground
// window and the autostart, whose backends depend on the platform.

#include <filesystem>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/qt_topmost.h"
#include "platform/qt/window_registry.h"
#include "platform/services.h"

namespace sahifex::platform::qt {

// Needs a QApplication.
struct QtServices {
    WindowRegistry windows;
    QtClipboard clipboard;
    QtMessageBox messages;
    QtTextMetrics metrics;
    QtEventLoop loop;
    QtScreen screen;
    QtTopmost topmost{windows};

    // The services with the platform's keyboard backends, and its own clipboard when it
    // has one (else Qt's).
    Services with(Keystrokes& keystrokes, KeyboardLayouts& layouts, Autostart& autostart,
                  std::filesystem::path programDir, Clipboard* nativeClipboard = nullptr) {
        return Services{nativeClipboard ? *nativeClipboard : clipboard,
                        keystrokes, layouts, topmost, messages, metrics, loop, screen,
                        autostart, std::move(programDir)};
    }
};

} // namespace sahifex::platform::qt
