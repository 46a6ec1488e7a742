#include "platform/win32/message_window.h"

namespace sahifex::platform::win32 {

MessageWindow::MessageWindow(const wchar_t* className, Handler handler)
    : handler_(std::move(handler)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass); // fails harmlessly when the class exists
    window_ = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, this);
}

MessageWindow::~MessageWindow() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK MessageWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MessageWindow*>(
            reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->handler_ && self->handler_(message, wParam, lParam, result))
        return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace sahifex::platform::win32
