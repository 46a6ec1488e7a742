#pragma once
// Measures wrapped text in the program's font, as the labels draw it.

#include "forms/text_metrics.h"

namespace sahifex::platform::qt {

class QtTextMetrics : public forms::TextMetrics {
public:
    int wrappedTextHeight(const std::u16string& text, int widthTwips, int fontPoints) const override;
    int lineWidth(const std::u16string& text, int fontPoints) const override;
};

} // namespace sahifex::platform::qt
