#pragma once
// The Windows clipboard, text only (CF_UNICODETEXT). Our own text is offered by delayed
// rendering: the clipboard holds a promise, and the text is handed over when a program
// asks for it (WM_RENDERFORMAT), so that the paste can tell when the editor took it.
// As a clipboard listener it tells the change handler of every change it did not make.

#include <chrono>
#include <optional>

#include "platform/clipboard.h"
#include "platform/win32/message_window.h"

namespace sahifex::platform::win32 {

class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;

    void clear() override;
    bool setText(const std::u16string& text) override;
    // Read once for each change of the clipboard; no further than the longest text read.
    std::u16string text() override;
    std::uint64_t changeCount() override;

    // How many times another program (or we) asked for our promised text.
    unsigned renderRequests() const { return renderRequests_; }
    // Whether the clipboard still holds our text: no other program took it since setText.
    bool holdsOurPromise() const;
    // Hands the promised text over now, while we still own the clipboard: before the
    // program ends, so that the text outlives it.
    void renderPromised();

    // Another program holds the clipboard open: how long we try again, at most.
    static constexpr std::chrono::milliseconds kOpenPatience{200};

private:
    bool open();
    bool handle(UINT message, WPARAM, LPARAM, LRESULT& result);
    void render();

    std::optional<std::u16string> promised_; // the text of our promise, while we own it
    // The text read last, and the clipboard's sequence number when it was read.
    std::u16string read_;
    std::optional<DWORD> readSequence_;
    unsigned renderRequests_ = 0;
    DWORD toldSequence_ = 0; // the clipboard's sequence number the change handler was told of
    MessageWindow owner_;
};

} // namespace sahifex::platform::win32
