#pragma once
// A hidden message-only window of our own: the clipboard owner, the target of the
// single instance's knock, the timers' receiver. Messages go to one handler.

#include <functional>
#include <string>

#include "os/windows_api.h"

namespace sahifex::platform::win32 {

class MessageWindow {
public:
    // Returns true when it handled the message (result set), false for the default.
    using Handler = std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)>;

    // className names the window so that another process can find it.
    MessageWindow(const wchar_t* className, Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    Handler handler_;
    HWND window_ = nullptr;
};

} // namespace sahifex::platform::win32
