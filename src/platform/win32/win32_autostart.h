#pragma once
// Starting the program with the user's session on Windows: a value "Sahifex" under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run naming the program.

#include <string>

#include "platform/autostart.h"

namespace sahifex::platform::win32 {

class Win32Autostart : public Autostart {
public:
    // program: the executable's full path; runKey: the key under HKEY_CURRENT_USER (tests
    // name one of their own).
    explicit Win32Autostart(std::wstring program,
                            std::wstring runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    bool setEnabled(bool enabled) override;

private:
    std::wstring program_;
    std::wstring runKey_;
};

} // namespace sahifex::platform::win32
