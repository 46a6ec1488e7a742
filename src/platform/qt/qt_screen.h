#pragma once
// The primary screen's size in twips.

#include "platform/screen.h"

namespace sahifex::platform::qt {

class QtScreen : public Screen {
public:
    int widthTwips() const override;
    int heightTwips() const override;
};

} // namespace sahifex::platform::qt
