#pragma once
// One running copy per user session: a named mutex; a later start knocks on the running
// copy's hidden window, which brings its main window forward. A WM_CLOSE sent to that
// window (class "<name>.Running", message-only) ends the running copy.

#include <memory>

#include "platform/single_instance.h"
#include "platform/win32/message_window.h"

namespace sahifex::platform::win32 {

class Win32SingleInstance : public SingleInstance {
public:
    // name: the mutex's and the knock window's name (tests use their own).
    explicit Win32SingleInstance(std::wstring name = L"Sahifex");
    ~Win32SingleInstance() override;

    bool claim() override;

private:
    std::wstring name_;
    HANDLE mutex_ = nullptr;
    std::unique_ptr<MessageWindow> knockWindow_; // in the copy that runs
};

} // namespace sahifex::platform::win32
