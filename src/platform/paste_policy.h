#pragma once
// How long a paste waits for the editor to fetch the text, the same on every backend.
//
// The keys only ask the editor to paste; the text is fetched later, from the program that
// owns the clipboard. So after the keys a backend keeps serving the clipboard until the
// editor has asked for the text and then stayed quiet for a while (an editor may ask more
// than once: several formats, a second view), and only then may the caller switch the
// layout back or clear the clipboard. The wait is bounded three ways: the first request
// must come soon, the quiet after the last one is short, and however often the editor
// keeps asking the whole wait has a cap.
//
// A backend tells the policy what happens and waits for its next event no longer than
// remaining(), until done():
//
//     PastePolicy policy;                   // on the steady clock
//     if (!ownsClipboardText()) return false; // checked right before the keys
//     sendKeys();
//     policy.keysSent();
//     while (!policy.done()) {
//         waitForEvent(policy.remaining()); // calls textRequested() or clipboardLost()
//         policy.checkTime();
//     }
//     return policy.fetched();
//
// Another program that takes the clipboard before the editor's request would have its
// text pasted instead of ours: the paste has then failed, and the caller says so.

#include <chrono>
#include <functional>

namespace sahifex::platform {

class PastePolicy {
public:
    using Clock = std::chrono::steady_clock;
    // The time now; tests hand in a clock of their own.
    using Now = std::function<Clock::time_point()>;

    // The limits every backend waits by.
    static constexpr std::chrono::milliseconds kFirstRequest{1500};
    static constexpr std::chrono::milliseconds kQuiet{60};
    static constexpr std::chrono::milliseconds kCap{3000};

    explicit PastePolicy(Now now = Clock::now);

    // The keys have been sent: the wait for the first request starts.
    void keysSent();
    // The editor asked for the clipboard's text (a text format, not the list of formats).
    void textRequested();
    // Another program took the clipboard. Before the editor's request this fails the paste;
    // after it the editor has the text, and there is nothing left to serve.
    void clipboardLost();
    // Ends the wait when one of the limits has passed; call after every wait for an event.
    void checkTime();

    // Whether the wait is over (a limit passed, the quiet spell came, the clipboard was lost).
    bool done() const { return done_; }
    // Whether the editor fetched our text: the paste's result once done().
    bool fetched() const { return requests_ > 0; }
    // How long the backend may wait for its next event before calling checkTime(); zero
    // once done().
    std::chrono::milliseconds remaining() const;
    // From the keys to the editor's first request; negative while there was none.
    std::chrono::duration<double, std::milli> firstRequestDelay() const;

private:
    Clock::time_point deadline() const;

    Now now_;
    Clock::time_point keys_{};
    Clock::time_point firstRequest_{};
    Clock::time_point lastRequest_{};
    int requests_ = 0;
    bool started_ = false;
    bool done_ = false;
};

} // namespace sahifex::platform
