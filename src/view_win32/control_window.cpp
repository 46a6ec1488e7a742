#include "view_win32/control_window.h"

#include <commctrl.h>

#include "forms/form.h"
#include "platform/qt/handler_guard.h" // toolkit-free: handlers never throw into the loop
#include "platform/qt/twips.h"         // toolkit-free: the twips of every view
#include "platform/win32/program_font.h"

namespace sahifex::view_win32 {

using platform::qt::runHandler;
using platform::qt::toPixels;
using platform::qt::toTwips;

namespace {

constexpr wchar_t kViewProperty[] = L"SahifexControlWindow";
constexpr wchar_t kToolTipsProperty[] = L"SahifexToolTips";
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
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return forms::LeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return forms::RightButton;
    default: return forms::MiddleButton;
    }
}

} // namespace

HWND createChild(const wchar_t* windowClass, DWORD style, DWORD extendedStyle, HWND parent) {
    HWND window = CreateWindowExW(extendedStyle, windowClass, L"",
                                  WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    // Later controls lie above earlier ones.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return window;
}

void moveFocusByTab(HWND from, bool backwards) {
    // Each control is created above the ones before it, so the dialog manager's "previous"
    // (the window above) is the next control in the form's order. Hidden and disabled
    // controls, and those that take no focus (no WS_TABSTOP), are passed over.
    HWND form = GetAncestor(from, GA_ROOT);
    if (HWND next = GetNextDlgTabItem(form, from, backwards ? FALSE : TRUE); next && next != from)
        SetFocus(next);
}

bool routeCommand(WPARAM wParam, LPARAM lParam) {
    ControlWindow* view = ControlWindow::of(reinterpret_cast<HWND>(lParam));
    if (!view) return false;
    view->command(HIWORD(wParam));
    return true;
}

ControlWindow::ControlWindow(forms::Control& control, HWND window)
    : control_(control), window_(window) {
    SetPropW(window_, kViewProperty, this);
    SetWindowSubclass(window_, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    subscription_ = control.observe([this](forms::Control&, forms::Change change) {
        applying_ = true;
        apply(change);
        applying_ = false;
    });
}

ControlWindow::~ControlWindow() {
    subscription_.reset();
    RemoveWindowSubclass(window_, subclassProcedure, kSubclassId);
    RemovePropW(window_, kViewProperty);
    DestroyWindow(window_);
}

ControlWindow* ControlWindow::of(HWND window) {
    return window ? static_cast<ControlWindow*>(GetPropW(window, kViewProperty)) : nullptr;
}

void ControlWindow::refresh() {
    applying_ = true;
    for (forms::Change change : {forms::Change::Font, forms::Change::Text, forms::Change::Items,
                                 forms::Change::Selection, forms::Change::Value,
                                 forms::Change::Picture, forms::Change::Enabled,
                                 forms::Change::ToolTip, forms::Change::Geometry,
                                 forms::Change::Visible})
        apply(change);
    applying_ = false;
}

void ControlWindow::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Geometry:
        MoveWindow(window_, toPixels(control_.left()), toPixels(control_.top()),
                   toPixels(control_.width()), windowHeight(toPixels(control_.height())), TRUE);
        break;
    case forms::Change::Visible:
        ShowWindow(window_, control_.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case forms::Change::Enabled: EnableWindow(window_, control_.enabled()); break;
    case forms::Change::ToolTip: applyToolTip(); break;
    case forms::Change::Font:
        SendMessageW(window_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(platform::win32::programFont(control_.fontSize())),
                     TRUE);
        break;
    case forms::Change::Repaint:
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        break;
    default: break;
    }
}

HWND createToolTips(HWND form) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)registered;
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetPropW(form, kToolTipsProperty, tips);
    return tips;
}

HWND toolTipsOf(HWND window) {
    return static_cast<HWND>(GetPropW(GetAncestor(window, GA_ROOT), kToolTipsProperty));
}

void ControlWindow::applyToolTip() {
    HWND tips = toolTipsOf(window_);
    if (!tips) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_RTLREADING;
    tool.hwnd = GetParent(window_);
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (control_.toolTipText().empty()) return;
    std::u16string text = control_.toolTipText(); // the control copies it
    tool.lpszText = reinterpret_cast<wchar_t*>(text.data());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK ControlWindow::subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<ControlWindow*>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            moveFocusByTab(window, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\t') return 0; // Tab moved the focus: no beep, no character
        if (self->forwardKey(wParam)) return 0;
        break;
    case WM_SETFOCUS:
        if (forms::Form* form = self->control_.form(); form && form->focused() != &self->control_)
            runHandler([&] { form->focusChangedByUser(&self->control_); });
        break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE:
        // What a label, image or picture box receives is its own.
        if (self->forwardMouse(message, wParam, lParam) && self->clicksOnRelease()) return 0;
        break;
    case WM_COMMAND:
        if (routeCommand(wParam, lParam)) return 0; // from a child of a container
        break;
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool ControlWindow::forwardKey(WPARAM& character) {
    // The key code the handlers see: the typed character's code unit (not Tab or Delete).
    if (!control_.KeyPress || character == L'\t' || character == 127 || character > 0xFFFF)
        return false;
    const auto typed = static_cast<int16_t>(character);
    int16_t key = typed;
    runHandler([&] { control_.fireKeyPress(key); });
    if (key == 0) return true; // the handler ate it
    character = static_cast<uint16_t>(key); // perhaps another character in its place
    return false;
}

bool ControlWindow::forwardMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    forms::MouseEvent event;
    event.shift = shiftState(wParam);
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    event.x = toTwips(x);
    event.y = toTwips(y);
    switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        event.button = buttonOf(message);
        if (clicksOnRelease()) { // a drag goes on outside the control
            SetCapture(window_);
            capturedMouse_ = true;
        }
        if (control_.MouseDown) runHandler([&] { control_.MouseDown(event); });
        break;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click is the double click, not a mouse-down; its
        // release is a mouse-up without a click.
        clickAfterDoubleClick_ = true;
        runHandler([&] { control_.fireDblClick(); });
        break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
        event.button = buttonOf(message);
        // Only the capture taken above: a button holds its own until it has seen the
        // release, and sends no click when it loses it before.
        if (capturedMouse_ && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
            capturedMouse_ = false;
            if (GetCapture() == window_) ReleaseCapture();
        }
        if (control_.MouseUp) runHandler([&] { control_.MouseUp(event); });
        const bool afterDouble = std::exchange(clickAfterDoubleClick_, false);
        RECT area;
        GetClientRect(window_, &area);
        if (clicksOnRelease() && !afterDouble && message == WM_LBUTTONUP &&
            PtInRect(&area, POINT{x, y}))
            runHandler([&] { control_.fireClick(); });
        break;
    }
    case WM_MOUSEMOVE:
        event.button = buttonsHeld(wParam);
        if (control_.MouseMove) runHandler([&] { control_.MouseMove(event); });
        break;
    default: return false;
    }
    return true;
}

} // namespace sahifex::view_win32
