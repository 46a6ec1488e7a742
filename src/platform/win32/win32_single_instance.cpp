#include "platform/win32/win32_single_instance.h"

#include "platform/handler_guard.h"

namespace sahifex::platform::win32 {

namespace {

constexpr UINT kComeForward = WM_APP + 1;

std::wstring windowClass(const std::wstring& name) { return name + L".Running"; }

void knockOnRunningCopy(const std::wstring& name) {
    HWND running = FindWindowExW(HWND_MESSAGE, nullptr, windowClass(name).c_str(), nullptr);
    if (!running) return;
    // We were started by the user and may hand the foreground on to the running copy.
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    AllowSetForegroundWindow(process);
    PostMessageW(running, kComeForward, 0, 0);
}

} // namespace

Win32SingleInstance::Win32SingleInstance(std::wstring name) : name_(std::move(name)) {}

Win32SingleInstance::~Win32SingleInstance() {
    knockWindow_.reset();
    if (mutex_) CloseHandle(mutex_);
}

bool Win32SingleInstance::claim() {
    // "Local\": one per user session; the system closes it when the process ends.
    mutex_ = CreateMutexW(nullptr, FALSE, (L"Local\\" + name_ + L".Running").c_str());
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex_);
        mutex_ = nullptr;
        knockOnRunningCopy(name_);
        return false;
    }
    const std::wstring className = windowClass(name_);
    knockWindow_ = std::make_unique<MessageWindow>(
        className.c_str(), [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message == kComeForward) {
                if (onSecondStart) runHandler(onSecondStart);
            } else if (message == WM_CLOSE) {
                // The installer or the uninstaller asks the program to end before it
                // replaces or removes its files.
                PostQuitMessage(0);
            } else {
                return false;
            }
            result = 0;
            return true;
        });
    return true;
}

} // namespace sahifex::platform::win32
