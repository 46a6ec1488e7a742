#pragma once
// The system clipboard through QClipboard.

#include "platform/clipboard.h"

namespace sahifex::platform::qt {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    bool setText(const std::u16string& text) override;
    std::u16string text() override;
};

} // namespace sahifex::platform::qt
