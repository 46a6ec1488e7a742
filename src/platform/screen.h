#pragma once

namespace sahifex::platform {

// The size of the screen the windows are placed on, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
};

} // namespace sahifex::platform
