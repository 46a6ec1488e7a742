#pragma once
// The number in a piece of copied text, as the verse number of a copied reference.

#include <optional>
#include <string_view>

namespace sahifex::tracking {

// The value of text that is a decimal number: ASCII digits with an optional sign, an
// optional decimal point and an optional exponent ("255", "+2", "2.5", "1e2"), with
// any spaces, tabs or line ends around it (a reference copied from a document often
// ends in a paragraph mark). Anything else is not a number: "", "abc", "255abc",
// "2 55", a value too large for a double, digits of other scripts.
std::optional<double> numericValue(std::u16string_view text);

} // namespace sahifex::tracking
