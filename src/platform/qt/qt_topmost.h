#pragma once
// Keeps a form's window above the others with Qt::WindowStaysOnTopHint.

#include "platform/qt/window_registry.h"
#include "platform/topmost.h"

namespace sahifex::platform::qt {

class QtTopmost : public Topmost {
public:
    explicit QtTopmost(const WindowRegistry& windows) : windows_(windows) {}
    // Returns quietly for a form that has no window (nothing draws it).
    void makeTopmost(forms::Form& window) override;

private:
    const WindowRegistry& windows_;
};

} // namespace sahifex::platform::qt
