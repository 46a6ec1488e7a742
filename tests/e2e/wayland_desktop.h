#pragma once
// The Wayland desktop of a test session (scripts/wayland-session): which window has the
// focus, asked of the compositor itself (swaymsg under sway, a KWin script under KWin),
// since no Wayland client can see another's windows.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "process.h"

namespace sahifex::e2e {

// Runs this process's Qt event loop (where the Wayland services read and write) until
// done() holds; false when limit passed first.
bool serveEventsUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(5));

// "sway", "kwin" or "mutter", as the session says.
std::string compositorName();

// Copies the focused editor's whole text (copyAll: Ctrl+A, Ctrl+C) until it arrives on the
// clipboard as a new copy; false when it did not within a few seconds. Under mutter, which
// tells no program which window has the focus, that is how a test knows a native editor
// has it. The text stays selected: a paste replaces it.
bool copiedUntilItArrives(const std::function<void()>& copyAll, platform::Clipboard& clipboard,
                          const std::u16string& text);

// The title of the window that has the keyboard focus; "" when none has it.
std::string focusedWindowTitle();
// Gives the focus to the window whose title holds `part`, as a click into it would; an
// XWayland tool window (the program's bar) is passed over when asked.
void focusWindowTitled(const std::string& part, bool skipToolWindows = false);

// mousepad on a file of its own, as a native Wayland program or an XWayland one; ended
// by its PID when the object goes.
class WaylandEditor {
public:
    enum class Kind { Native, XWayland };
    WaylandEditor(Kind kind, const std::filesystem::path& file, const std::string& text);
    ~WaylandEditor();
    // Waits until its window has the focus; false when it did not get it in time.
    bool waitForFocus(std::chrono::milliseconds limit = std::chrono::seconds(10));
    bool hasFocus() const;
    // Gives it the focus, as the user's click into it would.
    void focus() const { focusWindowTitled(file_.filename().string()); }
    // The file's bytes as last saved.
    std::string savedText() const;
    pid_t pid() const { return process_->pid(); }
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    std::unique_ptr<Process> process_;
};

// Waits until a desktop portal is on the session's bus; false when none came in time.
bool waitForDesktopPortal();

// The desktop's RemoteDesktop portal as Plasma runs it, on the session's bus:
// xdg-desktop-portal with its KDE backend, which presses the keys by KWin's fake input.
// Ended by their PIDs when the object goes.
class KdePortal {
public:
    explicit KdePortal(const std::filesystem::path& logDir);

private:
    std::unique_ptr<Process> backend_, portal_;
};

} // namespace sahifex::e2e
