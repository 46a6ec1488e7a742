#include "platform/win32/win32_screen.h"

#include "platform/twips.h"
#include "os/windows_api.h"

namespace sahifex::platform::win32 {

int Win32Screen::widthTwips() const { return toTwips(GetSystemMetrics(SM_CXSCREEN)); }
int Win32Screen::heightTwips() const { return toTwips(GetSystemMetrics(SM_CYSCREEN)); }

ScreenArea Win32Screen::availableArea(int xTwips, int yTwips) const {
    const POINT point{toPixels(xTwips), toPixels(yTwips)};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), &info))
        return ScreenArea{0, 0, widthTwips(), heightTwips()};
    const RECT& work = info.rcWork; // the monitor less the task bar
    return ScreenArea{toTwips(work.left), toTwips(work.top),
                      toTwips(work.right - work.left), toTwips(work.bottom - work.top)};
}

} // namespace sahifex::platform::win32
