#pragma once
#include <string>

namespace sahifex::forms {

// Measures text as the window draws it.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // The height, in twips, that text needs when wrapped at widthTwips in the
    // program's font at the given point size.
    virtual int wrappedTextHeight(const std::u16string& text, int widthTwips,
                                  int fontPoints) const = 0;
    // The width, in twips, of the text on one line in the program's font at the given
    // point size, as a check box or a button draws its caption.
    virtual int lineWidth(const std::u16string& text, int fontPoints) const = 0;
};

} // namespace sahifex::forms
