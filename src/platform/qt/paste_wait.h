#pragma once
// The paste policy's wait on the Qt event loop, which keeps serving the clipboard (and
// everything else) while the editor fetches the text. A backend hands in how it sends
// the keys, and tells the wait what its clipboard reports meanwhile.

#include <functional>

#include "platform/paste_policy.h"

namespace sahifex::platform::qt {

class PasteWait {
public:
    // The editor asked for the text (a text format).
    void textRequested();
    // Another program took the clipboard.
    void clipboardLost();
    // Sends the keys (false when they could not be sent), then runs the event loop until
    // the policy's wait is over. True when the editor fetched the text.
    bool run(const std::function<bool()>& sendKeys);
    // From the keys to the editor's first request; negative while there was none.
    double firstRequestDelayMs() const { return policy_.firstRequestDelay().count(); }

private:
    void recheck();

    PastePolicy policy_;
    std::function<void()> quit_;
    std::function<void(int)> wakeIn_;
};

} // namespace sahifex::platform::qt
