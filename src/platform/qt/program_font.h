#pragma once
// The program's font: an Arabic face, with fallbacks when it is not installed.

#include <QFont>

namespace sahifex::platform::qt {

QFont programFont(int points);

} // namespace sahifex::platform::qt
