#pragma once
// The settings file's format: one line in Windows-1256, ended by CR LF, of items each
// followed by "*". Pure: bytes in, items out; items in, bytes out.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sahifex::settings {

// The items every settings file holds; the items of options added since follow them.
inline constexpr int kSettingsItemCount = 11;
// The options added since, each a check box's item, written together after the eleven.
inline constexpr int kAddedItemCount = 5;
// How many added items the saves before the latest options wrote (none: the eleven alone).
// Such a file loads with the later options at their defaults. No save ever wrote any other
// count below all the added ones; an option added later puts today's count in this list.
inline constexpr std::array<int, 2> kEarlierAddedItemCounts{0, 2};

// Each "*" ends one item; what follows the last "*" (the line end) is no item.
std::vector<std::u16string> parseSettings(std::string_view bytes);

// The items of a line that a save could have written, else nothing: the window's
// position, two sizes, then check boxes' items; eleven items, or the added ones of any
// save since (items after the known ones, of options still to come, are not checked); nothing but a line end
// after the last "*". A damaged file fails as a whole: a lost or an added "*" shifts
// every later item, and no save ever wrote twelve items.
std::optional<std::vector<std::u16string>> parseCheckedSettings(std::string_view bytes);

// Each item followed by "*", then CR LF. An item cannot hold the "*" that ends it: any
// "*" in it is left out, so that the line always reads back as the same items.
// Characters outside Windows-1256 are written as "?".
std::string formatSettings(const std::vector<std::u16string>& items);

// A check box's item: "0" or "1"; anything else is a value no option takes.
std::optional<int> checkBoxValue(std::u16string_view item);
// A number (a position in twips, a check box's value) as its item: decimal digits.
std::u16string numberItem(int value);

// A size box's text as its item: one to three digits, Arabic-Indic digits written as
// ASCII ones (Windows-1256 has none of them); any other text, which no load would take,
// is written as the box's default.
std::u16string sizeItem(std::u16string_view text, std::u16string_view fallback);

} // namespace sahifex::settings
