#include "view_win32/control_window.h"

#include "platform/twips.h"
#include "platform/win32/program_font.h"
#include "platform/win32/win32_dpi.h"
#include "view_win32/tool_tips.h"

namespace sahifex::view_win32 {

using platform::toPixels;

namespace {
constexpr wchar_t kViewProperty[] = L"SahifexControlWindow";
} // namespace

ControlWindow::ControlWindow(forms::Control& control, HWND window)
    : ControlBinding(control), window_(window), input_(window, *this) {
    SetPropW(window_, kViewProperty, this);
}

ControlWindow::~ControlWindow() {
    unbind();
    RemovePropW(window_, kViewProperty);
    input_.detach();
    DestroyWindow(window_);
}

ControlWindow* ControlWindow::of(HWND window) {
    return window ? static_cast<ControlWindow*>(GetPropW(window, kViewProperty)) : nullptr;
}

int ControlWindow::dpi() const { return platform::win32::dpiOf(window_); }

HFONT ControlWindow::font() const { return platform::win32::programFont(control().fontSize(), dpi()); }

void ControlWindow::apply(forms::Change change) {
    const forms::Control& c = control();
    switch (change) {
    case forms::Change::Geometry: {
        const int dpi = this->dpi();
        MoveWindow(window_, toPixels(c.left(), dpi), toPixels(c.top(), dpi), toPixels(c.width(), dpi),
                   windowHeight(toPixels(c.height(), dpi)), TRUE);
        break;
    }
    case forms::Change::Visible: ShowWindow(window_, c.visible() ? SW_SHOWNA : SW_HIDE); break;
    case forms::Change::Enabled: EnableWindow(window_, c.enabled()); break;
    case forms::Change::ToolTip: setToolTip(window_, c.toolTipText()); break;
    case forms::Change::Font:
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
        break;
    case forms::Change::Repaint:
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        break;
    default: break;
    }
}

} // namespace sahifex::view_win32
