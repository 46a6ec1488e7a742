#include "platform/win32/win32_screen.h"

#include "platform/qt/twips.h" // toolkit-free: the twips of every view
#include "platform/win32/windows_api.h"

namespace sahifex::platform::win32 {

int Win32Screen::widthTwips() const { return qt::toTwips(GetSystemMetrics(SM_CXSCREEN)); }
int Win32Screen::heightTwips() const { return qt::toTwips(GetSystemMetrics(SM_CYSCREEN)); }

} // namespace sahifex::platform::win32
