#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace sahifex::platform {

// The longest clipboard text that is read, in UTF-16 code units. No verse line is
// longer than 1,147 characters and a reference is a surah name and a number, so a
// longer text can be no request; reading it whole would cost time and memory without
// bound (a copied file, an owner that never stops sending).
inline constexpr size_t kLongestClipboardText = 2048;

// What text() returns in place of a longer text: one code unit longer than any text it
// returns otherwise, so that isTooLongClipboardText() tells it apart. Its content is
// not the clipboard's.
inline std::u16string tooLongClipboardText() {
    return std::u16string(kLongestClipboardText + 1, u'\uFFFD');
}
inline bool isTooLongClipboardText(const std::u16string& text) {
    return text.size() > kLongestClipboardText;
}

// The system clipboard, text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Puts text on the clipboard; false when the clipboard could not be written.
    virtual bool setText(const std::u16string& text) = 0;
    // The clipboard's text, "" when it holds none, tooLongClipboardText() when it holds
    // more than kLongestClipboardText code units (then read no further than that).
    virtual std::u16string text() = 0;
    // A count that grows with every change of the clipboard: a copy by another program
    // (also of the same text again), a write or a clear of our own. It tells whether the
    // text that text() returns now was put there after a given moment, also while the
    // text of a new copy is still on its way.
    virtual std::uint64_t changeCount() = 0;

    // Runs on the event loop when another program put new text on the clipboard, once
    // text() returns it. Backends that learn of no changes never run it.
    void setChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }

protected:
    void notifyChanged() {
        if (changeHandler_) changeHandler_();
    }

private:
    std::function<void()> changeHandler_;
};

} // namespace sahifex::platform
