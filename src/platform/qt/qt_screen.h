#pragma once
// The screens as Qt reports them, in twips.

#include "platform/screen.h"

namespace sahifex::platform::qt {

class QtScreen : public Screen {
public:
    int widthTwips() const override;
    int heightTwips() const override;
    ScreenArea availableArea(int xTwips, int yTwips) const override;
};

} // namespace sahifex::platform::qt
