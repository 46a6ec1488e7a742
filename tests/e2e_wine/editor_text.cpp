// Prints the text of wine's notepad (its edit control, read with WM_GETTEXT) in UTF-8,
// as it holds it (line ends CR LF). Exits with 1 when no notepad window is found.

#include <cstdio>
#include <string>

#include "os/windows_api.h"

int main() {
    HWND notepad = FindWindowW(L"Notepad", nullptr);
    HWND edit = notepad ? FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit) return 1;
    std::wstring text(static_cast<size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}
