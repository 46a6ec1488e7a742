#include "view_win32/native_input.h"

#include <commctrl.h>

#include "platform/twips.h"
#include "platform/win32/win32_dpi.h"
#include "view_win32/command_routing.h"
#include "view_win32/tab_order.h"

namespace sahifex::view_win32 {

using MouseAction = view_common::ControlBinding::MouseAction;
using KeyOutcome = view_common::ControlBinding::KeyOutcome;

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Left, right and middle as the handlers count them: bits 1, 2 and 4.
int buttonsHeld(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
           ((keys & MK_MBUTTON) ? 4 : 0);
}

int shiftState(WPARAM keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
           ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

int buttonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return forms::LeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return forms::RightButton;
    default: return forms::MiddleButton;
    }
}

// Whether the point (screen coordinates, as WM_NCHITTEST gives it) lies on the resizing
// border of the top-level window: that window's own answer tells.
bool onResizeBorder(HWND control, LPARAM point) {
    HWND top = GetAncestor(control, GA_ROOT);
    if (!top || top == control) return false;
    const LRESULT hit = SendMessageW(top, WM_NCHITTEST, 0, point);
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

} // namespace

NativeInput::NativeInput(HWND window, view_common::ControlBinding& binding)
    : window_(window), binding_(binding) {
    attached_ =
        SetWindowSubclass(window_, procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void NativeInput::detach() {
    if (std::exchange(attached_, false)) RemoveWindowSubclass(window_, procedure, kSubclassId);
}

LRESULT CALLBACK NativeInput::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<NativeInput*>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            moveFocusByTab(window, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\t') return 0; // Tab moved the focus: no beep, no character
        if (self->translateKey(wParam)) return 0;
        break;
    case WM_SETFOCUS: self->binding_.userFocused(); break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE:
        if (self->translateMouse(message, wParam, lParam)) return 0;
        break;
    case WM_COMMAND:
    case WM_DRAWITEM:
        // from a child of a container
        if (LRESULT result; routeToControl(message, wParam, lParam, result)) return result;
        break;
    case WM_NCHITTEST:
        // Along the window's resizing border the mouse belongs to the window, also where
        // a control reaches its edge.
        if (onResizeBorder(window, lParam)) return HTTRANSPARENT;
        break;
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool NativeInput::translateKey(WPARAM& character) {
    int16_t key = view_common::ControlBinding::keyCodeOf(static_cast<char32_t>(character));
    switch (binding_.userTyped(key)) {
    case KeyOutcome::Passed: return false;
    case KeyOutcome::Eaten: return true;
    case KeyOutcome::Replaced: break;
    }
    character = static_cast<uint16_t>(key); // the window types the handler's character
    return false;
}

bool NativeInput::translateMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    forms::MouseEvent event;
    event.shift = shiftState(wParam);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const int dpi = platform::win32::dpiOf(window_);
    event.x = platform::toTwips(at.x, dpi);
    event.y = platform::toTwips(at.y, dpi);
    event.button = message == WM_MOUSEMOVE ? buttonsHeld(wParam) : buttonOf(message);
    switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: {
        const bool keeps = binding_.userMouse(MouseAction::Down, event);
        if (keeps) { // a drag goes on outside the control
            SetCapture(window_);
            capturedMouse_ = true;
        }
        return keeps;
    }
    case WM_LBUTTONDBLCLK: return binding_.userMouse(MouseAction::DoubleClick, event);
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
        // Only the capture taken above: a button holds its own until it has seen the
        // release, and sends no click when it loses it before.
        if (capturedMouse_ && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
            capturedMouse_ = false;
            if (GetCapture() == window_) ReleaseCapture();
        }
        RECT area;
        GetClientRect(window_, &area);
        return binding_.userMouse(MouseAction::Up, event, PtInRect(&area, at));
    }
    default: return binding_.userMouse(MouseAction::Move, event);
    }
}

} // namespace sahifex::view_win32
