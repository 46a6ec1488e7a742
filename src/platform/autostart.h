#pragma once

namespace sahifex::platform {

// Starting the program with the user's desktop session.
class Autostart {
public:
    virtual ~Autostart() = default;
    // From the next session on, the program starts with it (or no longer does). False
    // when that could not be set; nothing changed then.
    virtual bool setEnabled(bool enabled) = 0;
};

} // namespace sahifex::platform
