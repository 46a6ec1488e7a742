// libFuzzer target for the settings line: any bytes read as items, and the items
// written back give the same bytes up to the last "*", then CR LF.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/settings_format.h"

using namespace sahifex::settings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto items = parseSettings(bytes);

    const auto stars = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '*'));
    if (items.size() != stars) std::abort();

    const size_t last = bytes.rfind('*');
    const std::string line = std::string(last == std::string_view::npos ? "" : bytes.substr(0, last + 1)) + "\r\n";
    if (formatSettings(items) != line) std::abort();

    for (const std::u16string& item : items) {
        if (item.find(u'*') != std::u16string::npos) std::abort();
        // Only the items a save writes for a check box are taken as one.
        if (const auto value = checkBoxValue(item); value && numberItem(*value) != item) std::abort();
    }
    // A line taken as a save's is read as the same items, and a save writes it back.
    if (const auto checked = parseCheckedSettings(bytes)) {
        if (*checked != items || formatSettings(*checked).substr(0, line.size() - 2) != line.substr(0, line.size() - 2))
            std::abort();
    }
    return 0;
}
