#pragma once
// Positions and sizes of the forms are twips; the screen counts logical pixels.

#include <cmath>

namespace sahifex::platform {

inline constexpr int kTwipsPerPixel = 15;

inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int toTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace sahifex::platform
