#pragma once
#include <functional>

namespace sahifex::platform {

// One running copy of the program per user and display.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when no other copy runs: this one is then the copy that others find. False
    // when another copy runs; it has then been asked to bring its main window forward,
    // and this copy should end.
    virtual bool claim() = 0;
    // In the copy that runs: called on the user-interface thread when a later start
    // asked it to come forward.
    std::function<void()> onSecondStart;
};

} // namespace sahifex::platform
