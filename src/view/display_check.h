#pragma once
// Whether the program can open its windows: Qt ends the process when the X display
// cannot be reached, so this is asked before the application object is made.

#include <string>

namespace sahifex::view {

// Chooses Qt's xcb platform unless QT_QPA_PLATFORM names another, and for xcb tries
// the display. Returns "" when the windows can open, else what is wrong.
std::string checkDisplay();

} // namespace sahifex::view
