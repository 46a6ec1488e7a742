#pragma once
// The primary screen's size, and the work area of the monitor that holds a point.

#include "platform/screen.h"

namespace sahifex::platform::win32 {

class Win32Screen : public Screen {
public:
    int widthTwips() const override;
    int heightTwips() const override;
    ScreenArea availableArea(int xTwips, int yTwips) const override;
};

} // namespace sahifex::platform::win32
