#include "platform/win32/win32_dpi.h"

namespace sahifex::platform::win32 {
namespace {

constexpr int kDefaultDpi = 96;

// Looked up at run time: the calls came with Windows 10 (1607).
template <class Function>
Function user32Function(const char* name) {
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

int screenDeviceDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

} // namespace

int dpiOf(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowCall>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return systemDpi();
}

int systemDpi() {
    using GetDpiForSystemCall = UINT(WINAPI*)();
    static const auto getDpiForSystem = user32Function<GetDpiForSystemCall>("GetDpiForSystem");
    if (getDpiForSystem) {
        const UINT dpi = getDpiForSystem();
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return screenDeviceDpi();
}

} // namespace sahifex::platform::win32
