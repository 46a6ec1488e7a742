#pragma once

namespace sahifex::forms { class Form; }

namespace sahifex::platform {

// Keeps a window above all other windows.
class Topmost {
public:
    virtual ~Topmost() = default;
    virtual void makeTopmost(forms::Form& window) = 0;
};

} // namespace sahifex::platform
