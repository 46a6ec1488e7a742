#include "platform/win32/win32_topmost.h"

namespace sahifex::platform::win32 {

void Win32Topmost::makeTopmost(forms::Form& form) {
    if (HWND window = windows_.find(form))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace sahifex::platform::win32
