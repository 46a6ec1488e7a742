// Types a text (UTF-8 on its input) into the window that has the keyboard focus, one
// character at a time as Unicode key events, as an on-screen keyboard does. Arabic typed
// with xdotool reaches a program under wine through the X keyboard's second group, which
// xdotool switches back right after the last key: under load wine translated the last
// letters after that, as Latin ones.

#include <iostream>
#include <iterator>
#include <string>

#include "os/windows_api.h"

int main() {
    const std::string utf8(std::istreambuf_iterator<char>(std::cin), {});
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                        static_cast<int>(utf8.size()), text.data(),
                                                        static_cast<int>(text.size()))));
    for (wchar_t character : text) {
        INPUT keys[2]{};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = character;
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        if (SendInput(2, keys, sizeof(INPUT)) != 2) return 1;
        Sleep(20);
    }
    return text.empty() ? 1 : 0;
}
