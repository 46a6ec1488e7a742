// The Win32 view behind the behaviour suite: the messages that Windows sends to the
// native controls, sent to them under wine.

#include "view_win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/program_font.h"
#include "platform/win32/win32_dpi.h"
#include "view_common/view_driver.h"
#include "view_win32/pictures.h"
#include "view_win32/text_windows.h"
#include "view_win32/tool_tips.h"

namespace sahifex::view_test {
namespace {

using view_win32::FormWindow;

PixelRect rectOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

WPARAM heldKeys(int held) {
    return ((held & forms::LeftButton) ? MK_LBUTTON : 0) |
           ((held & forms::RightButton) ? MK_RBUTTON : 0) |
           ((held & forms::MiddleButton) ? MK_MBUTTON : 0);
}

UINT messageOf(MouseStep step, int button) {
    const bool right = button == forms::RightButton, middle = button == forms::MiddleButton;
    switch (step) {
    case MouseStep::Press:
        return right ? WM_RBUTTONDOWN : middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    case MouseStep::Release:
        return right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : WM_LBUTTONUP;
    case MouseStep::DoubleClickPress:
        return WM_LBUTTONDBLCLK;
    case MouseStep::Move:
        break;
    }
    return WM_MOUSEMOVE;
}

// A key as the keyboard sends it: down, the character it types (if any), up.
void sendKey(HWND window, WORD virtualKey, wchar_t typed, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, virtualKey, 1);
    if (typed)
        SendMessageW(window, WM_CHAR, typed, 1);
    SendMessageW(window, WM_KEYUP, virtualKey, 1);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

class Win32ViewDriver : public ViewDriver {
  public:
    void open(forms::Form& form, bool floatingBar) override {
        form_ = &form;
        window_ = std::make_unique<FormWindow>(form,
                                               floatingBar ? view_win32::WindowStyle::FloatingBar
                                                           : view_win32::WindowStyle::Frameless,
                                               windows_);
    }
    bool windowShown() override { return IsWindowVisible(window_->handle()); }
    PixelRect windowRect() override {
        RECT r;
        GetWindowRect(window_->handle(), &r);
        return rectOf(r);
    }
    std::u16string windowTitle() override { return view_win32::windowText(window_->handle()); }
    void moveWindowByUser(const PixelRect& r) override {
        SetWindowPos(window_->handle(), nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER);
    }
    void closeByUser() override { SendMessageW(window_->handle(), WM_CLOSE, 0, 0); }

    bool drawn(const forms::Control& c) override { return window(c) != nullptr; }
    const forms::Control* drawnInside(const forms::Control& c) override {
        HWND parent = GetParent(window(c));
        for (const forms::Control* other : form_->allControls())
            if (window(*other) == parent)
                return other;
        return nullptr;
    }
    int stackPlace(const forms::Control& c) override {
        int below = 0;
        for (HWND w = GetWindow(window(c), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
            ++below;
        return below;
    }
    PixelRect placeOf(const forms::Control& c) override {
        RECT r;
        GetWindowRect(window(c), &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(window(c)), reinterpret_cast<POINT*>(&r), 2);
        return rectOf(r);
    }
    bool shown(const forms::Control& c) override { return IsWindowVisible(window(c)); }
    bool enabled(const forms::Control& c) override { return IsWindowEnabled(window(c)); }
    bool hasFocus(const forms::Control& c) override { return GetFocus() == window(c); }
    bool drawnInProgramFont(const forms::Control& c, int points) override {
        return reinterpret_cast<HFONT>(SendMessageW(window(c), WM_GETFONT, 0, 0)) ==
               platform::win32::programFont(points, platform::win32::dpiOf(window(c)));
    }
    std::u16string textOf(const forms::Control& c) override {
        return view_win32::windowText(window(c));
    }
    std::u16string toolTipOf(const forms::Control& c) override {
        wchar_t text[256] = L"";
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = GetParent(window(c));
        tool.uId = reinterpret_cast<UINT_PTR>(window(c));
        tool.lpszText = text;
        SendMessageW(view_win32::toolTipsOf(window_->handle()), TTM_GETTEXTW, 256,
                     reinterpret_cast<LPARAM>(&tool));
        return reinterpret_cast<const char16_t*>(text);
    }
    std::vector<std::u16string> rowsOf(const forms::Control& c) override {
        const bool combo = c.kind() == forms::Kind::ComboBox;
        const auto count =
            static_cast<int>(SendMessageW(window(c), combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        std::vector<std::u16string> rows;
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = L"";
            SendMessageW(window(c), combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                         reinterpret_cast<LPARAM>(text));
            rows.emplace_back(reinterpret_cast<const char16_t*>(text));
        }
        return rows;
    }
    int selectedRowOf(const forms::Control& c) override {
        const bool combo = c.kind() == forms::Kind::ComboBox;
        return static_cast<int>(SendMessageW(window(c), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    }
    bool checked(const forms::Control& c) override {
        return SendMessageW(window(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool drawsPicture(const std::string& name) override {
        HDC context = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(context, 32, 32);
        HGDIOBJ previous = SelectObject(context, bitmap);
        const bool drawn = view_win32::drawPicture(context, name, RECT{0, 0, 32, 32});
        SelectObject(context, previous);
        DeleteObject(bitmap);
        DeleteDC(context);
        return drawn;
    }

    void mouse(const forms::Control& c, MouseStep step, int x, int y, int button,
               int held) override {
        SendMessageW(window(c), messageOf(step, button), heldKeys(held), MAKELPARAM(x, y));
    }
    void type(const forms::Control& c, const std::u16string& text) override {
        for (char16_t unit : text)
            SendMessageW(window(c), WM_CHAR, unit, 1);
    }
    void press(const forms::Control& c, Key key) override {
        switch (key) {
        case Key::Return:
            return sendKey(window(c), VK_RETURN, L'\r');
        case Key::Backspace:
            return sendKey(window(c), VK_BACK, L'\b');
        case Key::Left:
            return sendKey(window(c), VK_LEFT, 0);
        case Key::Down:
            return sendKey(window(c), VK_DOWN, 0);
        case Key::Tab:
            return sendKey(window(c), VK_TAB, L'\t');
        case Key::ShiftTab:
            return sendKey(window(c), VK_TAB, L'\t', true);
        }
    }
    void clickRow(const forms::Control& c, int row) override {
        RECT r;
        SendMessageW(window(c), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(window(c), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window(c), WM_LBUTTONUP, 0, at);
    }
    void focusByUser(const forms::Control& c) override { SetFocus(window(c)); }

  private:
    HWND window(const forms::Control& c) const { return window_->windowOf(c); }

    forms::Form* form_ = nullptr;
    platform::win32::WindowRegistry windows_;
    std::unique_ptr<FormWindow> window_;
};

} // namespace

std::unique_ptr<ViewDriver> makeViewDriver() {
    return std::make_unique<Win32ViewDriver>();
}

} // namespace sahifex::view_test
