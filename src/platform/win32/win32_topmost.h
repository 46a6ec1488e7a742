#pragma once
// Keeps a form's window above all other windows.

#include "platform/topmost.h"
#include "platform/win32/window_registry.h"

namespace sahifex::platform::win32 {

class Win32Topmost : public Topmost {
public:
    explicit Win32Topmost(const WindowRegistry& windows) : windows_(windows) {}
    void makeTopmost(forms::Form& form) override;

private:
    const WindowRegistry& windows_;
};

} // namespace sahifex::platform::win32
