#pragma once

namespace sahifex::platform {

// A rectangle on the screen, in twips.
struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The screen the windows are placed on, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    // The size of the primary screen.
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    // The part of the screen holding the point (x, y) that windows may take: the whole
    // screen less the desktop's panels. A point on no screen gets the primary one's.
    virtual ScreenArea availableArea(int xTwips, int yTwips) const = 0;
};

} // namespace sahifex::platform
