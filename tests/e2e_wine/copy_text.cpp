// Copies a text as another program would, for the tracking scenes under wine:
//
//   copy_text.exe < WORD      copies the word (UTF-8 on its input), then prints the
//                             milliseconds until notepad's text changes (exits with 1
//                             when it has not in 5 s)
//   copy_text.exe --long N    copies N characters of Arabic words and exits
//
// It serves its messages meanwhile, as a program that owns the clipboard does.

#include <cstdio>
#include <cwchar>
#include <iostream>
#include <iterator>
#include <string>

#include "os/windows_api.h"

#include <shellapi.h>

namespace {

bool copy(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
        std::wmemcpy(target, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
    }
    const bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return copied;
}

void serveMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

LRESULT notepadTextLength(HWND edit) { return SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0); }

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 nullptr, nullptr);
    if (count == 3 && std::wstring(args[1]) == L"--long") {
        const size_t length = std::wcstoul(args[2], nullptr, 10);
        std::wstring text;
        while (text.size() < length) text += L"الصمد ";
        text.resize(length);
        return copy(owner, text) ? 0 : 1;
    }
    const std::string utf8(std::istreambuf_iterator<char>(std::cin), {});
    std::wstring word(utf8.size(), L'\0');
    word.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                        static_cast<int>(utf8.size()), word.data(),
                                                        static_cast<int>(word.size()))));
    HWND notepad = FindWindowW(L"Notepad", nullptr);
    HWND edit = notepad ? FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit) return 1;
    const LRESULT before = notepadTextLength(edit);
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (word.empty() || !copy(owner, word)) return 1;
    for (;;) {
        serveMessages();
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                          static_cast<double>(frequency.QuadPart);
        if (notepadTextLength(edit) != before) {
            std::printf("%.1f\n", ms);
            Sleep(300); // the paste's last requests
            serveMessages();
            return 0;
        }
        if (ms > 5000) return 1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}
