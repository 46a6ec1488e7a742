#pragma once
// The Windows API for our sources: include this, never <windows.h> itself. windows.h
// defines MessageBox (and GetMessage, CreateWindow, ...) as macros for their A or W
// variant; MessageBox would rename the platform interface in every file that includes
// it. We call the W functions by their full names.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef MessageBox

#include <string>

namespace sahifex::os {

// Our strings are UTF-16, as Windows' wide strings are.
inline const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The executable's full path, from its wide name.
inline std::wstring programPath() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

// True when the window belongs to this process.
inline bool isOurWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window && process == GetCurrentProcessId();
}

} // namespace sahifex::os
