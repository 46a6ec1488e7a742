#pragma once
// Plain modal message boxes, right to left.

#include "platform/message_box.h"

namespace sahifex::platform::qt {

class QtMessageBox : public MessageBox {
public:
    void showOk(const std::u16string& text, const std::u16string& title) override;
    bool askOkCancel(const std::u16string& text, const std::u16string& title) override;
};

} // namespace sahifex::platform::qt
