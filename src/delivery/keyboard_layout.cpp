// The keyboard layout switch around the paste keystroke.

#include "app/options_form.h"

namespace sahifex::app {

// True when the requested layout is the active one afterwards. A layout that is
// already active is not loaded again.
bool Options_Form::SetKbLayout(const std::string& id) {
    auto& layouts = services_.layouts;
    if (layouts.activeLayoutName() == id) return true;
    layouts.loadAndActivate(id);
    return layouts.activeLayoutName() == id;
}

} // namespace sahifex::app
