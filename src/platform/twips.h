#pragma once
// Positions and sizes of the forms are twips (1/1440 inch); the screen counts pixels. A
// logical pixel (96 per inch) is 15 twips; a window on a denser screen converts with the
// screen's dots per inch (at 144, a pixel is 10 twips).

#include <cmath>

namespace sahifex::platform {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kLogicalDpi = kTwipsPerInch / kTwipsPerPixel;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int toTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline int toPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline int toTwips(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

} // namespace sahifex::platform
