#pragma once
// The program's font: one made for user interfaces, that GDI draws Arabic well in
// standard controls ("Segoe UI" on Windows; under wine "DejaVu Sans").

#include <string>

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

// The font at the given size in points for a screen of the given dots per inch; kept
// for the whole run.
HFONT programFont(int points, int dpi);
// The program's font when it draws every character of the text, else an installed face
// that does (the ornate brackets are missing from some); the program's font when none does.
HFONT fontFor(const std::u16string& text, int points, int dpi);

// Pixels at the given DPI for a size in points (10 points when none is set).
inline int pointsToPixels(int points, int dpi) { return MulDiv(points > 0 ? points : 10, dpi, 72); }

} // namespace sahifex::platform::win32
