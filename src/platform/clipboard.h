#pragma once
#include <string>

namespace sahifex::platform {

// The system clipboard, text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Puts text on the clipboard; false when the clipboard could not be written.
    virtual bool setText(const std::u16string& text) = 0;
    // The clipboard's text, "" when it holds none.
    virtual std::u16string text() = 0;
};

} // namespace sahifex::platform
