#pragma once
// The settings file's format: one line in Windows-1256, ended by CR LF, of items each
// followed by "*". Pure: bytes in, items out; items in, bytes out.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sahifex::settings {

// The items every settings file holds; the items of options added since follow them.
inline constexpr int kSettingsItemCount = 11;

// Each "*" ends one item; what follows the last "*" (the line end) is no item.
std::vector<std::u16string> parseSettings(std::string_view bytes);

// Each item followed by "*", then CR LF. An item cannot hold the "*" that ends it: any
// "*" in it is left out, so that the line always reads back as the same items.
// Characters outside Windows-1256 are written as "?".
std::string formatSettings(const std::vector<std::u16string>& items);

// A check box's item: "0" or "1"; anything else is a value no option takes.
std::optional<int> checkBoxValue(std::u16string_view item);
// A number (a position in twips, a check box's value) as its item: decimal digits.
std::u16string numberItem(int value);

} // namespace sahifex::settings
