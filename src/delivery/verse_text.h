#pragma once
// The pieces every send composes a verse from.

#include <cstddef>
#include <string>

namespace sahifex::app {

class Options_Form;

// The row's text without its verse number and the space before it: the first space is
// looked for from the second character from the end back to the lastDistance-th one.
// A row without such a space is taken whole.
std::u16string textBeforeVerseNumber(const std::u16string& row, size_t lastDistance);

// The quotation in brackets, then its reference. The ornate parentheses are not mirrored
// in right-to-left text: U+FD3F, drawn at the verse's right, opens it, and U+FD3E closes it.
std::u16string bracketed(const Options_Form& form, const std::u16string& quotation,
                         const std::u16string& reference);

} // namespace sahifex::app
