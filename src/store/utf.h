#pragma once
// Conversions between UTF-8 (files, logs, Qt boundaries) and the UTF-16 strings of
// the handlers.

#include <string>
#include <string_view>

namespace sahifex::store {

std::string toUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string fromUtf8(std::string_view text);

} // namespace sahifex::store
