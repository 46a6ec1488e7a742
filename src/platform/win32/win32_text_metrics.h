#pragma once
// Measures wrapped text as the program's labels draw it (DrawTextW).

#include "forms/text_metrics.h"

namespace sahifex::platform::win32 {

class Win32TextMetrics : public forms::TextMetrics {
public:
    int wrappedTextHeight(const std::u16string& text, int widthTwips,
                          int fontPoints) const override;
    int lineWidth(const std::u16string& text, int fontPoints) const override;
};

} // namespace sahifex::platform::win32
