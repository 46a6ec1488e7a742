#pragma once
// Dots per inch of the screens. The program declares itself aware of each monitor's DPI
// (its manifest), so Windows draws it unscaled and sharp, and the program converts its
// twips to each window's pixels itself.

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

// The DPI of the monitor the window is on (96 where Windows tells none).
int dpiOf(HWND window);
// The DPI of the desktop as a whole: the screen's size and work areas, text measured
// away from any window.
int systemDpi();
// Pixels at the given DPI for a length in logical pixels (96 per inch).
inline int scaled(int logicalPixels, int dpi) { return MulDiv(logicalPixels, dpi, 96); }

} // namespace sahifex::platform::win32
