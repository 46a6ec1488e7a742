// The Win32 view's own behaviour, beside the behaviour every view shares.

#include "view_win32/form_window.h"

#include <gtest/gtest.h>

#include "forms/forms.h"

namespace sahifex::view_win32 {
namespace {

TEST(FloatingBar, ClicksNeverActivateIt) {
    forms::Form bar("Top_Bar");
    forms::Image image("Image1");
    bar.add(image);
    bar.move(1500, 1500, 6000, 450);
    image.move(150, 30, 360, 360);
    platform::win32::WindowRegistry windows;
    FormWindow window(bar, WindowStyle::FloatingBar, windows);
    bar.Show();
    EXPECT_TRUE(GetWindowLongPtrW(window.handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(SendMessageW(window.windowOf(image), WM_MOUSEACTIVATE,
                           reinterpret_cast<WPARAM>(window.handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

} // namespace
} // namespace sahifex::view_win32
