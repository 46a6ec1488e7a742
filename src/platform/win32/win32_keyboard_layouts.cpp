#include "platform/win32/win32_keyboard_layouts.h"

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

std::string Win32KeyboardLayouts::activeLayoutName() {
    char name[KL_NAMELENGTH] = {}; // 8 characters and a NUL
    if (!GetKeyboardLayoutNameA(name)) return "";
    return name;
}

void Win32KeyboardLayouts::loadAndActivate(const std::string& id) {
    LoadKeyboardLayoutA(id.c_str(), KLF_ACTIVATE);
}

} // namespace sahifex::platform::win32
