// The Win32 view's own behaviour, beside the behaviour every view shares.

#include "view_win32/form_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The columns of the rectangle, counted from its left, where something is drawn on the
// background colour.
std::vector<int> inkedColumns(HWND window, const RECT& area, COLORREF background) {
    std::vector<int> columns;
    HDC context = GetDC(window);
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            if (GetPixel(context, x, y) != background) {
                columns.push_back(x - area.left);
                break;
            }
    ReleaseDC(window, context);
    return columns;
}

TEST(ListBox, ARowReadsFromTheRightAndWhatIsTooLongIsCutOnTheLeft) {
    forms::Form form("Form1");
    forms::ListBox list("List1");
    form.add(list);
    form.move(1500, 1500, 4500, 3000);
    list.move(150, 150, 3000, 1500);
    // Its first letter at the right end, its last far beyond the list's left edge.
    list.AddItem(u"ب" + std::u16string(400, u' ') + u"ت");
    platform::win32::WindowRegistry windows;
    FormWindow window(form, WindowStyle::Frameless, windows);
    form.Show();
    HWND shown = window.windowOf(list);
    UpdateWindow(shown);
    RECT row;
    SendMessageW(shown, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const std::vector<int> inked = inkedColumns(shown, row, GetSysColor(COLOR_WINDOW));
    ASSERT_FALSE(inked.empty()) << "the row is drawn";
    const int width = row.right - row.left;
    EXPECT_GT(inked.front(), width * 3 / 4) << "nothing but the first letter, at the right";
    EXPECT_GT(inked.back(), width - 20);
}

// What was drawn where a frame lies on a panel (the panel sliding in) does not stay
// inside it once it is drawn again.
TEST(Frame, ItsInsideIsDrawnAgainWithTheFace) {
    forms::Form form("Form1");
    forms::PictureBox panel("Panel");
    forms::Frame frame("Frame1");
    forms::Label label("Label1");
    form.add(panel);
    panel.add(frame);
    frame.add(label);
    form.move(1500, 1500, 4500, 3000);
    panel.move(0, 0, 4500, 3000);
    frame.move(150, 150, 3000, 1500);
    frame.setCaption(u"حجم الخط");
    label.setCaption(u"السورة");
    label.move(150, 300, 1200, 285);
    platform::win32::WindowRegistry windows;
    FormWindow window(form, WindowStyle::Frameless, windows);
    form.Show();
    HWND shown = window.windowOf(frame);
    UpdateWindow(shown);
    RECT inside;
    GetClientRect(shown, &inside);
    HDC context = GetDC(shown);
    FillRect(context, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(shown, context);
    InvalidateRect(shown, nullptr, TRUE);
    UpdateWindow(shown);
    const RECT below{inside.right / 2, inside.bottom * 3 / 4, inside.right / 2 + 10, inside.bottom * 3 / 4 + 1};
    EXPECT_EQ(inkedColumns(shown, below, GetSysColor(COLOR_BTNFACE)), std::vector<int>{});
}

TEST(FramelessWindow, ItsWholeBorderResizesItAlsoWhereControlsReachTheEdge) {
    forms::Form form("Form1");
    forms::PictureBox panel("Picture8"); // covers the whole window, as the lower panel does
    forms::Label label("Label1");
    form.add(panel);
    panel.add(label);
    form.move(1500, 1500, 4500, 3000);
    panel.move(0, 0, 4500, 3000);
    label.move(0, 0, 1500, 600);
    label.setCaption(u"نص");
    platform::win32::WindowRegistry windows;
    FormWindow window(form, WindowStyle::Frameless, windows);
    form.Show();
    RECT outer;
    GetWindowRect(window.handle(), &outer);
    auto hitAt = [](HWND w, int x, int y) { return SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    for (HWND control : {window.windowOf(panel), window.windowOf(label)}) {
        // Three pixels in from the left edge and from the top edge: the window's border.
        EXPECT_EQ(hitAt(control, outer.left + 2, outer.top + 20), HTTRANSPARENT);
        EXPECT_EQ(hitAt(control, outer.left + 20, outer.top + 2), HTTRANSPARENT);
        // Inside: the control's own.
        EXPECT_NE(hitAt(control, outer.left + 20, outer.top + 20), HTTRANSPARENT);
    }
    EXPECT_EQ(hitAt(window.handle(), outer.left + 2, outer.top + 20), HTLEFT);
}

TEST(CheckBox, ACaptionIsDrawnInAFontThatHasEveryCharacterOfIt) {
    forms::Form form("Form1");
    forms::CheckBox box("OrnateBrackets");
    form.add(box);
    form.move(1500, 1500, 4500, 1500);
    box.move(150, 150, 3000, 300);
    const std::u16string caption = u"أقواس \uFD3F \uFD3E";
    box.setCaption(caption);
    platform::win32::WindowRegistry windows;
    FormWindow window(form, WindowStyle::Frameless, windows);
    form.Show();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window.windowOf(box), WM_GETFONT, 0, 0));
    std::vector<WORD> glyphs(caption.size());
    HDC screen = GetDC(nullptr);
    const HGDIOBJ before = SelectObject(screen, font);
    GetGlyphIndicesW(screen, reinterpret_cast<const wchar_t*>(caption.c_str()),
                     static_cast<int>(caption.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0) << "no box in place of a bracket";
}

} // namespace
} // namespace sahifex::view_win32
