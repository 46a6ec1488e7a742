#include "view_win32/form_window.h"

#include "platform/handler_guard.h"
#include "platform/twips.h"
#include "platform/win32/win32_dpi.h"
#include "view_win32/command_routing.h"
#include "view_win32/control_window_factory.h"
#include "view_win32/tool_tips.h"

namespace sahifex::view_win32 {

using platform::runHandler;
using platform::toPixels;
using platform::toTwips;
using platform::win32::dpiOf;
using platform::win32::systemDpi;

namespace {

constexpr wchar_t kFormClass[] = L"SahifexForm";

void registerFormClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// No caption, no sizing frame: a window manager would draw its own title bar for them.
constexpr DWORD kStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
// A sizable window is resized by this many logical pixels along its border.
constexpr int kResizeBorder = 4;

// WM_DPICHANGED, with Windows 8.1 (the headers may predate it).
constexpr UINT kDpiChanged = 0x02E0;

DWORD extendedStyleOf(WindowStyle style) {
    // The bar stays above the others and never takes the focus from the editor.
    if (style == WindowStyle::FloatingBar)
        return WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    return WS_EX_APPWINDOW;
}

int showCommandOf(int state) {
    switch (state) {
    case forms::Minimized: return SW_SHOWMINNOACTIVE;
    case forms::Maximized: return SW_SHOWMAXIMIZED;
    default: return SW_RESTORE;
    }
}

} // namespace

FormWindow::FormWindow(forms::Form& form, WindowStyle style,
                       platform::win32::WindowRegistry& windows)
    : FormBinding(form, style == WindowStyle::FloatingBar), form_(form), style_(style),
      windows_(windows) {
    registerFormClass(procedure);
    window_ = CreateWindowExW(extendedStyleOf(style), kFormClass, L"", kStyle, 0, 0,
                              0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    windows_.add(form_, window_);
    createToolTips(window_);
    views_.build(form_, window_, makeControlWindow);
    bind();
    applyForm(forms::Change::Text);
    applyGeometry();
    applyVisible();
}

FormWindow::~FormWindow() {
    unbind();
    windows_.remove(form_);
    // The control windows are children of this window: they go first.
    views_.clear();
    DestroyWindow(toolTipsOf(window_));
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

HWND FormWindow::windowOf(const forms::Control& control) const { return views_.nativeOf(control); }

void FormWindow::focusControl(forms::Control& control) {
    if (HWND window = windowOf(control)) SetFocus(window);
}

void FormWindow::applyForm(forms::Change change) {
    switch (change) {
    case forms::Change::Geometry: applyGeometry(); break;
    case forms::Change::Visible: applyVisible(); break;
    case forms::Change::Text: SetWindowTextW(window_, os::wide(form_.caption())); break;
    case forms::Change::Repaint:
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        break;
    default: break;
    }
}

void FormWindow::applyGeometry() {
    applying_ = true;
    if (IsWindowVisible(window_)) {
        const bool iconic = IsIconic(window_), zoomed = IsZoomed(window_);
        const int now = iconic ? forms::Minimized : zoomed ? forms::Maximized : forms::Normal;
        if (now != form_.windowState()) ShowWindow(window_, showCommandOf(form_.windowState()));
    }
    if (form_.windowState() == forms::Normal) {
        const RECT outer = outerRectOfForm();
        SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left,
                     outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applying_ = false;
}

// The place is on the desktop, at its scale (as the screen's areas are); the size is the
// window's own, at the DPI of the monitor it is on.
RECT FormWindow::outerRectOfForm() const {
    const int desktop = systemDpi(), own = dpiOf(window_);
    const int left = toPixels(form_.left(), desktop), top = toPixels(form_.top(), desktop);
    return RECT{left, top, left + toPixels(form_.width(), own), top + toPixels(form_.height(), own)};
}

void FormWindow::followDpi(const RECT& suggested) {
    // Where Windows suggests (the window stays under the pointer), as large in inches as
    // before; the controls and their fonts follow.
    applying_ = true;
    const int own = dpiOf(window_);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, toPixels(form_.width(), own),
                 toPixels(form_.height(), own), SWP_NOZORDER | SWP_NOACTIVATE);
    views_.refresh();
    applying_ = false;
    takeWindowGeometry();
}

void FormWindow::applyVisible() {
    if (form_.visible() == static_cast<bool>(IsWindowVisible(window_))) return;
    applying_ = true;
    if (!form_.visible()) {
        ShowWindow(window_, SW_HIDE);
    } else {
        if (beforeShow) beforeShow();
        ShowWindow(window_, style_ == WindowStyle::FloatingBar ? SW_SHOWNOACTIVATE : SW_SHOW);
        UpdateWindow(window_);
    }
    applying_ = false;
    applyGeometry();
}

void FormWindow::raiseAndActivate() {
    if (IsWindowVisible(window_)) SetForegroundWindow(window_);
}

void FormWindow::takeWindowGeometry() {
    if (applying_ || !IsWindowVisible(window_) || form_.windowState() != forms::Normal) return;
    RECT outer;
    GetWindowRect(window_, &outer);
    const RECT expected = outerRectOfForm();
    const bool moved = outer.left != expected.left || outer.top != expected.top;
    const bool sized = outer.right - outer.left != expected.right - expected.left ||
                       outer.bottom - outer.top != expected.bottom - expected.top;
    if (!moved && !sized) return;
    // The user's (or the system's) doing: the form takes it without echoing it back.
    applying_ = true;
    runHandler([&] {
        if (moved) {
            form_.setLeft(toTwips(outer.left, systemDpi()));
            form_.setTop(toTwips(outer.top, systemDpi()));
        }
        if (sized) {
            form_.setWidth(toTwips(outer.right - outer.left, dpiOf(window_)));
            form_.setHeight(toTwips(outer.bottom - outer.top, dpiOf(window_)));
        }
    });
    applying_ = false;
}

void FormWindow::takeWindowState(WPARAM sizeKind) {
    const int state = sizeKind == SIZE_MINIMIZED   ? forms::Minimized
                      : sizeKind == SIZE_MAXIMIZED ? forms::Maximized
                                                   : forms::Normal;
    if (applying_ || state == form_.windowState()) return;
    applying_ = true;
    runHandler([&] { form_.setWindowState(state); });
    applying_ = false;
}

LRESULT FormWindow::borderHit(LPARAM at) const {
    RECT outer;
    GetWindowRect(window_, &outer);
    const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
    const int border = platform::win32::scaled(kResizeBorder, dpiOf(window_));
    const bool left = x < outer.left + border, right = x >= outer.right - border;
    const bool top = y < outer.top + border, bottom = y >= outer.bottom - border;
    if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return HTNOWHERE;
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->window_ && self->onMessage(message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

bool FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM: return routeToControl(message, wParam, lParam, result);
    case WM_MOUSEACTIVATE:
        if (style_ != WindowStyle::FloatingBar) return false;
        result = MA_NOACTIVATE;
        return true;
    case WM_WINDOWPOSCHANGED:
        takeWindowGeometry();
        return false; // the default sends WM_SIZE and WM_MOVE
    case WM_SIZE:
        if (IsWindowVisible(window_)) takeWindowState(wParam);
        return true;
    case WM_NCHITTEST:
        if (style_ == WindowStyle::FloatingBar || !form_.sizable()) return false;
        result = borderHit(lParam);
        return result != HTNOWHERE;
    case WM_CLOSE:
        userClosed(); // the form decides whether the window goes
        return true;
    case kDpiChanged:
        followDpi(*reinterpret_cast<const RECT*>(lParam));
        return true;
    default: return false;
    }
}

} // namespace sahifex::view_win32
