#pragma once
#include <string>

namespace sahifex::platform {

// Keyboard layouts, named by 8 hex digits: "00000409" English (US), "00000401" Arabic.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    // The active layout's 8-digit name; "" when it cannot be read.
    virtual std::string activeLayoutName() = 0;
    // Loads the layout and makes it the active one. A layout that is not installed
    // leaves the active one unchanged.
    virtual void loadAndActivate(const std::string& id) = 0;
};

} // namespace sahifex::platform
