// The clipboard watcher: each tick of Timer2 blinks the bar and starts a search when
// new text is on the clipboard.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::Timer2_Timer() {}

} // namespace sahifex::app
