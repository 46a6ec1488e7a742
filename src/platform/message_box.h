#pragma once
#include <string>

namespace sahifex::platform {

// Plain modal message boxes.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // A message with a single OK button.
    virtual void showOk(const std::u16string& text, const std::u16string& title) = 0;
    // A message with OK and Cancel; true when the user chose OK (closing the box is Cancel).
    virtual bool askOkCancel(const std::u16string& text, const std::u16string& title) = 0;
};

} // namespace sahifex::platform
