#include "settings/settings_format.h"

#include <string>

#include "store/win1256.h"

namespace sahifex::settings {
namespace {
constexpr char16_t kItemEnd = u'*';
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

} // namespace sahifex::settings
