#include "view_win32/list_windows.h"

#include "view_win32/child_window.h"

namespace sahifex::view_win32 {

using platform::win32::wide;

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

// The user's choice of row: the model selects it, and runs Click, when it is a new one.
void takeSelection(ControlWindow& view, forms::ListControl& list, int row) {
    if (row != list.listIndex()) view.fromUser([&] { list.setListIndex(row); });
}

} // namespace

// Right to left: text from the right, the scroll bar on the left. (Mirroring the whole
// list with WS_EX_LAYOUTRTL draws its scroll bar black under wine.)
constexpr DWORD kRightToLeft = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;

ListBoxWindow::ListBoxWindow(forms::ListBox& list, HWND parent)
    : ControlWindow(list, createChild(L"LISTBOX",
                                      WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                                          LBS_NOINTEGRALHEIGHT,
                                      kRightToLeft, parent)),
      list_(list) {}

void ListBoxWindow::command(WORD code) {
    if (code == LBN_SELCHANGE)
        takeSelection(*this, list_, static_cast<int>(SendMessageW(handle(), LB_GETCURSEL, 0, 0)));
}

void ListBoxWindow::apply(forms::Change change) {
    switch (change) {
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
        takeSelection(*this, combo_, static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)));
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
