#pragma once
// Which window draws which form: the view registers its windows here, and the backends
// that act on a form's window (topmost, the single instance's knock) look them up.

#include <map>

#include "os/windows_api.h"

namespace sahifex::forms { class Form; }

namespace sahifex::platform::win32 {

class WindowRegistry {
public:
    void add(const forms::Form& form, HWND window) { windows_[&form] = window; }
    void remove(const forms::Form& form) { windows_.erase(&form); }
    HWND find(const forms::Form& form) const {
        const auto found = windows_.find(&form);
        return found == windows_.end() ? nullptr : found->second;
    }

private:
    std::map<const forms::Form*, HWND> windows_;
};

} // namespace sahifex::platform::win32
