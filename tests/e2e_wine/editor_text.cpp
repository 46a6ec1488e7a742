// Prints the text of wine's notepad (its edit control, read with WM_GETTEXT) in UTF-8,
// as it holds it (line ends CR LF). Exits with 1 when no notepad window is found.
//
//   editor_text.exe X Y   the text of our program's edit control at that point of the
//                         screen instead (exits with 1 when none is there, with 2 when the
//                         program does not answer in 1 s)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "os/windows_api.h"

int main(int argc, char** argv) {
    HWND edit = nullptr;
    if (argc == 3) {
        edit = WindowFromPoint({std::atoi(argv[1]), std::atoi(argv[2])});
        wchar_t kind[16] = L"", form[16] = L"";
        GetClassNameW(edit, kind, 16);
        GetClassNameW(GetAncestor(edit, GA_ROOT), form, 16);
        if (lstrcmpiW(kind, L"Edit") != 0 || lstrcmpW(form, L"SahifexForm") != 0) return 1;
    } else if (HWND notepad = FindWindowW(L"Notepad", nullptr)) {
        edit = FindWindowExW(notepad, nullptr, L"Edit", nullptr);
    }
    if (!edit) return 1;
    DWORD_PTR length = 0, copied = 0;
    const auto ask = [&](UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
        return SendMessageTimeoutW(edit, message, wParam, lParam, SMTO_ABORTIFHUNG, 1000, result);
    };
    if (!ask(WM_GETTEXTLENGTH, 0, 0, &length)) return 2;
    std::wstring text(length + 1, L'\0');
    if (!ask(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) return 2;
    text.resize(copied);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}
