#include "platform/wayland/wayland_keystrokes.h"

#include "platform/qt/paste_wait.h"

namespace sahifex::platform::wayland {

WaylandKeystrokes::WaylandKeystrokes(PasteSource& clipboard, ForegroundWindow& foreground,
                                     std::unique_ptr<KeyRoute> route)
    : clipboard_(clipboard), foreground_(foreground), route_(std::move(route)) {}

bool WaylandKeystrokes::sendKeysAndWait(const std::string& keys) {
    lastFetchDelayMs_ = -1;
    if (keys != "^v") return false;
    // Before the hand-back: a desktop's consent dialog may take the focus first.
    if (!route_->prepare()) return false;
    foreground_.handBack();

    qt::PasteWait wait;
    clipboard_.onTextFetched = [&] { wait.textRequested(); };
    clipboard_.onOwnTextLost = [&] { wait.clipboardLost(); };
    // Checked right before the keys: another program that took the clipboard since it was
    // set would have its text pasted in place of ours.
    const bool fetched =
        wait.run([&] { return clipboard_.holdsOwnText() && route_->pressControlV(); });
    lastFetchDelayMs_ = wait.firstRequestDelayMs();
    clipboard_.onTextFetched = nullptr;
    clipboard_.onOwnTextLost = nullptr;
    return fetched;
}

} // namespace sahifex::platform::wayland
