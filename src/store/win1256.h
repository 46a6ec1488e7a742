#pragma once
// The Arabic Windows code page, both ways, with a table of our own.

#include <optional>
#include <string>
#include <string_view>

namespace sahifex::store {

std::u16string decodeWin1256(std::string_view bytes);
// Characters outside Windows-1256 become "?" (63).
std::string encodeWin1256(std::u16string_view text);
// The bytes of text when every character of it is in the code page; nullopt when one is
// not (no byte stands for it, so nothing encoded can equal it).
std::optional<std::string> encodeWin1256Exactly(std::u16string_view text);
// The code of one character, 63 for a character outside the code page.
int win1256Code(char16_t c);

} // namespace sahifex::store
