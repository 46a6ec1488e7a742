#pragma once
// Keyboard layouts of the calling thread, by their 8-hex-digit names.

#include "platform/keyboard_layouts.h"

namespace sahifex::platform::win32 {

class Win32KeyboardLayouts : public KeyboardLayouts {
public:
    std::string activeLayoutName() override;
    void loadAndActivate(const std::string& id) override;
};

} // namespace sahifex::platform::win32
