#include "platform/win32/win32_autostart.h"

#include "os/windows_api.h"

namespace sahifex::platform::win32 {
namespace {

constexpr const wchar_t* kValueName = L"Sahifex";

} // namespace

Win32Autostart::Win32Autostart(std::wstring program, std::wstring runKey)
    : program_(std::move(program)), runKey_(std::move(runKey)) {}

bool Win32Autostart::setEnabled(bool enabled) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, runKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    LSTATUS status = ERROR_SUCCESS;
    if (enabled) {
        // Quoted, so that a folder with spaces in its name is one path.
        const std::wstring command = L"\"" + program_ + L"\"";
        status = RegSetValueExW(key, kValueName, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    } else {
        status = RegDeleteValueW(key, kValueName);
        if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS; // already off
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

} // namespace sahifex::platform::win32
