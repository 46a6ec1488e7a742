#pragma once

namespace sahifex::platform {

// The window the user works in: the editor that a paste must reach. The program's own
// windows never count as it.
class ForegroundWindow {
public:
    virtual ~ForegroundWindow() = default;
    // One of our windows is about to take the focus: note the window the user works in now.
    virtual void remember() = 0;
    // Just before the paste keys: gives the keyboard focus back to the window the user
    // works in at this moment (the last active window that is not ours). Returns at once
    // when that window already has the focus, or when there is none to give it to.
    virtual void handBack() = 0;
};

} // namespace sahifex::platform
