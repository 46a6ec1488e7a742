#pragma once
// The system clipboard through QClipboard.

#include "platform/clipboard.h"

namespace sahifex::platform::qt {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    bool setText(const std::u16string& text) override;
    std::u16string text() override;
    // Where the platform tells no change apart, a change is a new text seen by text().
    std::uint64_t changeCount() override;

private:
    std::uint64_t changes_ = 0;
    std::u16string counted_; // the text as last counted
};

} // namespace sahifex::platform::qt
