#include "platform/qt/window_registry.h"

namespace sahifex::platform::qt {

void WindowRegistry::add(const forms::Form& form, QWidget& window) { windows_[&form] = &window; }

void WindowRegistry::remove(const forms::Form& form) { windows_.erase(&form); }

QWidget* WindowRegistry::find(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

} // namespace sahifex::platform::qt
