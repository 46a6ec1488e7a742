#pragma once
// Keeps the main window whole inside the screen's available area whenever it grows or
// is shown: the window is moved (its form's Left and Top say so), never shrunk, and
// leaves room above it for the floating bar, which is docked to it again when the move
// would leave the bar over it or away from it. A window taller than the area keeps its
// top edge, with the search box, on the screen.
//
// Moves alone (the bar's drag, a handler that centres the window) are left as they are.

#include "forms/control.h"

namespace sahifex::app {

class Options_Form;

class KeepOnScreen {
public:
    explicit KeepOnScreen(Options_Form& form);

private:
    void changed(forms::Change change);
    void fit();

    Options_Form& form_;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    forms::Subscription subscription_;
};

} // namespace sahifex::app
