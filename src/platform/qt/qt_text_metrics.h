#pragma once
// Measures wrapped text in the program's font, as the labels draw it.

#include "platform/text_metrics.h"

namespace sahifex::platform::qt {

class QtTextMetrics : public TextMetrics {
public:
    int wrappedTextHeight(const std::u16string& text, int widthTwips, int fontPoints) const override;
};

} // namespace sahifex::platform::qt
