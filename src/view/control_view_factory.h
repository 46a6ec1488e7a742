#pragma once
// Makes the view of any control, by its kind.

#include <memory>

#include "view/control_view.h"

namespace sahifex::view {

// nullptr for a control that draws nothing (a timer).
std::unique_ptr<ControlView> makeControlView(forms::Control& control, QWidget* parent);

} // namespace sahifex::view
