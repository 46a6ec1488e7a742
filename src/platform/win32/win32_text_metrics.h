#pragma once
// Measures wrapped text as the program's labels draw it (DrawTextW).

#include "platform/text_metrics.h"

namespace sahifex::platform::win32 {

class Win32TextMetrics : public TextMetrics {
public:
    int wrappedTextHeight(const std::u16string& text, int widthTwips,
                          int fontPoints) const override;
};

} // namespace sahifex::platform::win32
