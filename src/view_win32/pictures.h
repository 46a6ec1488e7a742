#pragma once
// The program's pictures: our SVG drawings, made into PNG resources at build time and
// drawn with GDI+, scaled into a rectangle with their proportions kept.

#include <string>

#include "os/windows_api.h"

namespace sahifex::view_win32 {

// GDI+ for the whole run of the program.
class PictureSupport {
public:
    PictureSupport();
    ~PictureSupport();
    PictureSupport(const PictureSupport&) = delete;
    PictureSupport& operator=(const PictureSupport&) = delete;

private:
    ULONG_PTR token_ = 0;
};

// Draws the named picture (":/pictures/send.svg") into the rectangle; false when there
// is no such picture.
bool drawPicture(HDC context, const std::string& name, const RECT& into);

} // namespace sahifex::view_win32
