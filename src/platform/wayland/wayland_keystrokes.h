#pragma once
// The paste keystroke on a Wayland session: the text is on the clipboard (by data-control,
// or mutter's remote desktop), Ctrl+V goes by the first key route the desktop offers, and
// the wait for the editor's fetch of the text (the data source's send event, or mutter's
// selection transfer) follows the paste policy of every backend. True, as on X11, only
// when the editor took the text.

#include <memory>
#include <string>

#include "platform/foreground_window.h"
#include "platform/keystrokes.h"
#include "platform/wayland/key_routes.h"
#include "platform/wayland/paste_source.h"

namespace sahifex::platform::wayland {

class WaylandKeystrokes : public Keystrokes {
public:
    WaylandKeystrokes(PasteSource& clipboard, ForegroundWindow& foreground,
                      std::unique_ptr<KeyRoute> route);

    // Sends "^v" and waits on the event loop until the text was fetched; any other keys
    // are refused (false), and so is a paste when the clipboard no longer holds the
    // program's text (another program took it: Ctrl+V would paste that).
    bool sendKeysAndWait(const std::string& keys) override;

    const KeyRoute& route() const { return *route_; }
    // The time from the keys to the editor's first fetch in the last sendKeysAndWait, in
    // milliseconds; negative when the text was not fetched.
    double lastFetchDelayMs() const { return lastFetchDelayMs_; }

private:
    PasteSource& clipboard_;
    ForegroundWindow& foreground_;
    std::unique_ptr<KeyRoute> route_;
    double lastFetchDelayMs_ = -1;
};

} // namespace sahifex::platform::wayland
