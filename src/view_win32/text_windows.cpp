#include "view_win32/text_windows.h"

#include "view_win32/child_window.h"

namespace sahifex::view_win32 {

using os::wide;

std::u16string windowText(HWND window) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<size_t>(
        GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

// Right to left reading: a trailing colon stays at the end of the Arabic text.
LabelWindow::LabelWindow(forms::Label& label, HWND parent)
    : ControlWindow(label, createChild(L"STATIC", SS_NOTIFY | SS_NOPREFIX | SS_RIGHT,
                                       WS_EX_RTLREADING, parent)),
      label_(label) {}

void LabelWindow::apply(forms::Change change) {
    if (change != forms::Change::Text) return ControlWindow::apply(change);
    // A wrapped label grows downwards from its first line; a single line sits in the
    // middle of its height. Right-aligned whatever the text: digits alone too.
    LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE) & ~(SS_CENTERIMAGE | SS_ENDELLIPSIS);
    if (!label_.wordWrap()) style |= SS_CENTERIMAGE;
    SetWindowLongPtrW(handle(), GWL_STYLE, style);
    SetWindowTextW(handle(), wide(label_.caption()));
    InvalidateRect(handle(), nullptr, TRUE);
}

namespace {
DWORD editStyle(const forms::TextBox& box) {
    const DWORD common = WS_TABSTOP | WS_BORDER | ES_RIGHT;
    if (box.multiLine()) return common | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;
    return common | ES_AUTOHSCROLL;
}
} // namespace

TextBoxWindow::TextBoxWindow(forms::TextBox& box, HWND parent)
    : ControlWindow(box, createChild(L"EDIT", editStyle(box), WS_EX_RTLREADING, parent)),
      box_(box) {}

void TextBoxWindow::command(WORD code) {
    if (code == EN_CHANGE) fromUser([&] { box_.setText(windowText(handle())); });
}

void TextBoxWindow::apply(forms::Change change) {
    if (change != forms::Change::Text) return ControlWindow::apply(change);
    // Setting the same text again would move the user's cursor.
    if (windowText(handle()) != box_.text()) SetWindowTextW(handle(), wide(box_.text()));
}

} // namespace sahifex::view_win32
