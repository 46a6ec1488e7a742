#include "settings/settings_format.h"

#include <algorithm>
#include <limits>
#include <string>

#include "store/lenient_text.h"
#include "store/win1256.h"

namespace sahifex::settings {
namespace {
constexpr char16_t kItemEnd = u'*';

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool allDigits(std::u16string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// A window position as a save writes it: an int in decimal, maybe negative.
bool isPositionItem(std::u16string_view item) {
    if (item.starts_with(u'-')) item.remove_prefix(1);
    if (!allDigits(item) || item.size() > 10) return false;
    long long value = 0;
    for (char16_t c : item) value = value * 10 + (c - u'0');
    return value <= std::numeric_limits<int>::max();
}

bool isSizeItem(std::u16string_view item) { return allDigits(item) && item.size() <= 3; }

// The first item of each kind; the check boxes' items run to the end of the added ones.
constexpr size_t kFirstSize = 2;
constexpr size_t kFirstCheckBox = 4;
constexpr size_t kCheckedItems = kSettingsItemCount + kAddedItemCount;
} // namespace

std::vector<std::u16string> parseSettings(std::string_view bytes) {
    const std::u16string text = store::decodeWin1256(bytes);
    std::vector<std::u16string> items;
    size_t start = 0;
    for (size_t end = text.find(kItemEnd); end != std::u16string::npos;
         end = text.find(kItemEnd, start)) {
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

std::optional<std::vector<std::u16string>> parseCheckedSettings(std::string_view bytes) {
    const size_t lastEnd = bytes.rfind('*');
    const std::string_view lineEnd = lastEnd == std::string_view::npos ? bytes : bytes.substr(lastEnd + 1);
    if (!lineEnd.empty() && lineEnd != "\n" && lineEnd != "\r\n") return std::nullopt;
    std::vector<std::u16string> items = parseSettings(bytes);
    const bool countSaved =
        items.size() >= kCheckedItems ||
        std::ranges::any_of(kEarlierAddedItemCounts, [&](int added) {
            return items.size() == static_cast<size_t>(kSettingsItemCount + added);
        });
    if (!countSaved) return std::nullopt;
    for (size_t i = 0; i < std::min(items.size(), kCheckedItems); ++i) {
        const bool wellFormed = i < kFirstSize        ? isPositionItem(items[i])
                                : i < kFirstCheckBox ? isSizeItem(items[i])
                                                     : checkBoxValue(items[i]).has_value();
        if (!wellFormed) return std::nullopt;
    }
    return items;
}

std::string formatSettings(const std::vector<std::u16string>& items) {
    std::u16string line;
    for (std::u16string item : items) {
        std::erase(item, kItemEnd);
        line += item;
        line += kItemEnd;
    }
    line += u"\r\n";
    return store::encodeWin1256(line);
}

std::optional<int> checkBoxValue(std::u16string_view item) {
    if (item == u"0") return 0;
    if (item == u"1") return 1;
    return std::nullopt;
}

std::u16string numberItem(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string sizeItem(std::u16string_view text, std::u16string_view fallback) {
    std::u16string item(text);
    for (char16_t& c : item) c = store::asciiDigit(c);
    return isSizeItem(item) ? item : std::u16string(fallback);
}

} // namespace sahifex::settings
