#pragma once
// The primary screen's size.

#include "platform/screen.h"

namespace sahifex::platform::win32 {

class Win32Screen : public Screen {
public:
    int widthTwips() const override;
    int heightTwips() const override;
};

} // namespace sahifex::platform::win32
