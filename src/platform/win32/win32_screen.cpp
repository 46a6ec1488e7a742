#include "platform/win32/win32_screen.h"

#include "platform/twips.h"
#include "os/windows_api.h"
#include "platform/win32/win32_dpi.h"

namespace sahifex::platform::win32 {

// The desktop's pixels at its DPI, the scale the windows' places use too.
int Win32Screen::widthTwips() const { return toTwips(GetSystemMetrics(SM_CXSCREEN), systemDpi()); }
int Win32Screen::heightTwips() const { return toTwips(GetSystemMetrics(SM_CYSCREEN), systemDpi()); }

ScreenArea Win32Screen::availableArea(int xTwips, int yTwips) const {
    const int dpi = systemDpi();
    const POINT point{toPixels(xTwips, dpi), toPixels(yTwips, dpi)};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), &info))
        return ScreenArea{0, 0, widthTwips(), heightTwips()};
    const RECT& work = info.rcWork; // the monitor less the task bar
    return ScreenArea{toTwips(work.left, dpi), toTwips(work.top, dpi),
                      toTwips(work.right - work.left, dpi), toTwips(work.bottom - work.top, dpi)};
}

} // namespace sahifex::platform::win32
