#include "view_win32/picture_windows.h"

#include <commctrl.h>
#include <type_traits>

#include "view_win32/child_window.h"
#include "view_win32/command_routing.h"
#include "view_win32/pictures.h"

namespace sahifex::view_win32 {

namespace {

constexpr wchar_t kPaintedClass[] = L"SahifexPainted";

LRESULT CALLBACK paintedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = dynamic_cast<PaintedWindow*>(ControlWindow::of(window));
    switch (message) {
    case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        if (view) view->paint(context, area);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_NCHITTEST:
        if (view && view->transparentToMouse()) return HTTRANSPARENT;
        break;
    case WM_COMMAND:
    case WM_DRAWITEM:
        // from a control inside a picture box
        if (LRESULT result; routeToControl(message, wParam, lParam, result)) return result;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

constexpr UINT_PTR kFrameBackgroundId = 2;

// A group box paints its outline and caption only, and the panel it lies on leaves the
// place of its children unpainted: without its own background, what was drawn there
// before (the panel sliding in) would stay inside it.
LRESULT CALLBACK frameBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR, DWORD_PTR) {
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

HWND createPainted(DWORD style, HWND parent) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = paintedProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kPaintedClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    return createChild(kPaintedClass, WS_CLIPCHILDREN | style, 0, parent);
}

template <class Pictured>
PictureWindow<Pictured>::PictureWindow(Pictured& control, HWND parent)
    : PaintedWindow(control, createPainted(0, parent)), control_(control) {
    if constexpr (std::is_same_v<Pictured, forms::PictureBox>) {
        // Tab goes on into the controls the picture box holds.
        SetWindowLongPtrW(handle(), GWL_EXSTYLE,
                          WS_EX_CONTROLPARENT | (control.border() ? WS_EX_CLIENTEDGE : 0));
    }
}

template <class Pictured>
void PictureWindow<Pictured>::paint(HDC context, const RECT& area) {
    drawPicture(context, control_.picture(), area);
}

template <class Pictured>
void PictureWindow<Pictured>::apply(forms::Change change) {
    if (change == forms::Change::Picture)
        InvalidateRect(handle(), nullptr, TRUE);
    else
        ControlWindow::apply(change);
}

template class PictureWindow<forms::PictureBox>;
template class PictureWindow<forms::Image>;

FrameWindow::FrameWindow(forms::Frame& frame, HWND parent)
    : ControlWindow(frame, createChild(L"BUTTON", BS_GROUPBOX | BS_RIGHT, WS_EX_RTLREADING | WS_EX_CONTROLPARENT, parent)),
      frame_(frame) {
    SetWindowSubclass(handle(), frameBackground, kFrameBackgroundId, 0);
}

void FrameWindow::apply(forms::Change change) {
    if (change == forms::Change::Text)
        SetWindowTextW(handle(), os::wide(frame_.caption()));
    else
        ControlWindow::apply(change);
}

ShapeWindow::ShapeWindow(forms::Shape& shape, HWND parent)
    : PaintedWindow(shape, createPainted(0, parent)) {}

void ShapeWindow::paint(HDC context, const RECT& area) {
    FrameRect(context, &area, GetSysColorBrush(COLOR_BTNSHADOW));
}

void ShapeWindow::apply(forms::Change change) {
    ControlWindow::apply(change);
    // An outline lies behind the controls it frames.
    if (change == forms::Change::Visible)
        SetWindowPos(handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace sahifex::view_win32
