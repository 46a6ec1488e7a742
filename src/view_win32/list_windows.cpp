#include "view_win32/list_windows.h"

#include <string>

#include "platform/win32/program_font.h"
#include "view_win32/child_window.h"

namespace sahifex::view_win32 {

using os::wide;

namespace {

// The messages of one kind of native list.
struct ListMessages {
    UINT count, add, reset;
};
constexpr ListMessages kListBox{LB_GETCOUNT, LB_ADDSTRING, LB_RESETCONTENT};
constexpr ListMessages kComboBox{CB_GETCOUNT, CB_ADDSTRING, CB_RESETCONTENT};

void followItems(const forms::ListControl& list, HWND window, const ListMessages& m) {
    const auto shown = static_cast<int>(SendMessageW(window, m.count, 0, 0));
    if (view_common::oneItemAppended(list.ListCount(), shown)) {
        SendMessageW(window, m.add, 0, reinterpret_cast<LPARAM>(wide(list.items().back())));
        return;
    }
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, m.reset, 0, 0);
    for (const std::u16string& item : list.items())
        SendMessageW(window, m.add, 0, reinterpret_cast<LPARAM>(wide(item)));
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

std::wstring rowText(HWND list, UINT row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

} // namespace

// Right to left: text from the right, the scroll bar on the left. (Mirroring the whole
// list with WS_EX_LAYOUTRTL draws its scroll bar black under wine.)
constexpr DWORD kRightToLeft = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;

ListBoxWindow::ListBoxWindow(forms::ListBox& list, HWND parent)
    : ControlWindow(list, createChild(L"LISTBOX",
                                      WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                                          LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
                                          LBS_HASSTRINGS,
                                      kRightToLeft, parent)),
      list_(list) {}

bool ListBoxWindow::drawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) { // an empty list with the focus
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return true;
    }
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const std::wstring text = rowText(handle(), item.itemID);
    const HGDIOBJ font = SelectObject(item.hDC, this->font());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    // From the right edge, reading right to left; what is too long is cut on the left.
    const UINT previousAlign = SetTextAlign(item.hDC, TA_RIGHT | TA_TOP | TA_RTLREADING);
    TEXTMETRICW metrics;
    GetTextMetricsW(item.hDC, &metrics);
    const int top = (item.rcItem.top + item.rcItem.bottom - metrics.tmHeight) / 2;
    ExtTextOutW(item.hDC, item.rcItem.right - 2, top, ETO_CLIPPED | ETO_RTLREADING, &item.rcItem,
                text.c_str(), static_cast<UINT>(text.size()), nullptr);
    SetTextAlign(item.hDC, previousAlign);
    SelectObject(item.hDC, font);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

void ListBoxWindow::command(WORD code) {
    if (code == LBN_SELCHANGE)
        userChoseRow(list_, static_cast<int>(SendMessageW(handle(), LB_GETCURSEL, 0, 0)));
}

void ListBoxWindow::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Font: {
        ControlWindow::apply(change);
        // An owner-drawn list keeps the row height it was made with: a row is a line of
        // the list's font.
        HDC context = GetDC(handle());
        const HGDIOBJ previous = SelectObject(context, font());
        TEXTMETRICW metrics;
        GetTextMetricsW(context, &metrics);
        SelectObject(context, previous);
        ReleaseDC(handle(), context);
        SendMessageW(handle(), LB_SETITEMHEIGHT, 0, metrics.tmHeight);
        break;
    }
    case forms::Change::Items:
        followItems(list_, handle(), kListBox);
        [[fallthrough]];
    case forms::Change::Selection:
        SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
        break;
    default: ControlWindow::apply(change);
    }
}

ComboBoxWindow::ComboBoxWindow(forms::ComboBox& combo, HWND parent)
    : ControlWindow(combo, createChild(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                       kRightToLeft, parent)),
      combo_(combo) {}

void ComboBoxWindow::command(WORD code) {
    if (code == CBN_SELCHANGE)
        userChoseRow(combo_, static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)));
}

int ComboBoxWindow::windowHeight(int controlHeight) const {
    // A combo box's window includes its drop-down list: about 20 rows.
    const auto row = static_cast<int>(SendMessageW(handle(), CB_GETITEMHEIGHT, 0, 0));
    return controlHeight + 20 * (row > 0 ? row : 16);
}

void ComboBoxWindow::apply(forms::Change change) {
    switch (change) {
    case forms::Change::Items:
        followItems(combo_, handle(), kComboBox);
        [[fallthrough]];
    case forms::Change::Selection:
        SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
        break;
    default: ControlWindow::apply(change);
    }
}

} // namespace sahifex::view_win32
