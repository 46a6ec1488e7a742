#pragma once
// The paste keystroke on X11, and the wait that lets the editor fetch the text.
//
// On X11 the clipboard's text is served by its owner, this process, when the editor
// asks for it. So after the keys are sent with XTest, a local event loop lets Qt
// answer the editor's SelectionRequest, for as long as the paste policy says
// (platform/paste_policy.h): a request for CLIPBOARD asking for a text target counts
// as the editor's fetch, and the loss of the clipboard to another program (SelectionClear)
// before it fails the paste. Only when sendKeysAndWait returns may the caller switch
// the layout back or clear the clipboard.
//
// Before the keys, the foreground-window service gives the focus back to the window the
// user works in. A keyboard map without a "v" key (only an Arabic layout configured)
// lends a spare keycode to "v" for the paste.

#include <functional>
#include <memory>
#include <string>

#include <set>

#include "platform/foreground_window.h"
#include "platform/keystrokes.h"

struct _XDisplay; // Xlib's Display, kept out of this header so its macros stay out too

namespace sahifex::platform::x11 {

class X11Clipboard;

// Presses Ctrl+V with XTest by the keys that give Control and "v" in the current keyboard
// map (read each time: another program may have changed it), then releases both. False
// when the map has no such key or the keys could not be sent.
bool pressControlV(_XDisplay* display);

class X11Keystrokes : public Keystrokes {
public:
    // Works on Qt's own X connection (QNativeInterface::QX11Application); needs a
    // QGuiApplication. Returns nullptr, with the reason in error, when the program
    // does not run on an X11 display or the display has no XTest extension. Also
    // installs an X I/O error handler that says clearly on stderr that the display
    // was lost before the program ends.
    static std::unique_ptr<X11Keystrokes> create(ForegroundWindow& foreground,
                                                 std::string& error);

    // On a display that is known to have XTest (see create).
    X11Keystrokes(_XDisplay* display, ForegroundWindow& foreground);
    ~X11Keystrokes() override;

    // Sends "^v" (Ctrl+V; Control is released afterwards) to the focused window and
    // waits, serving the clipboard, until the focused program has fetched the text.
    // True when it did; false when no text request came in time, when the clipboard
    // was no longer ours before the keys or before the request (no keys are sent in the
    // first case), or when the keys could not be sent. Any other keys are refused.
    bool sendKeysAndWait(const std::string& keys) override;

    // The clipboard whose takeovers the keys heed: a program that held the clipboard
    // until the paste took it, and that has the focus, may learn of the loss only when
    // it asks for the new owner's formats (LibreOffice); the keys then wait for that
    // question to be answered, bounded.
    void heedTakeoversOf(X11Clipboard& clipboard) { clipboard_ = &clipboard; }

    // The time from the keys to the editor's first text request in the last
    // sendKeysAndWait, in milliseconds; negative when the text was not fetched.
    double lastFetchDelayMs() const { return lastFetchDelayMs_; }

private:
    bool waitForFetch();
    // The X connection of the program the clipboard was taken from when it has the focus;
    // 0 otherwise.
    unsigned long formerOwnerWithTheFocus() const;
    void letFormerOwnerLearnOfItsLoss(unsigned long former);

    _XDisplay* display_;
    X11Clipboard* clipboard_ = nullptr;
    // Programs (by X connection) seen to ask, or not to ask, when they lost the clipboard:
    // one that did not ask in time is not waited for again.
    std::set<unsigned long> askWhenLosing_, silentWhenLosing_;
    ForegroundWindow& foreground_;
    double lastFetchDelayMs_ = -1;
};

} // namespace sahifex::platform::x11
