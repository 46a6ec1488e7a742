#pragma once
#include <string>

namespace sahifex::platform {

// Synthesised keystrokes into the window that has the keyboard focus.
class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // Sends the keys (only "^v", Ctrl+V, is used) to the focused window and waits until
    // they have been processed. Returns true when the receiving program took the
    // clipboard's text, false when it did not within a bounded wait (or the keys could
    // not be sent).
    virtual bool sendKeysAndWait(const std::string& keys) = 0;
};

} // namespace sahifex::platform
