// The settings file "Sahifex.ini": saved on request, restored at start-up.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::save_Click() {}
void Options_Form::load_Click() {}

} // namespace sahifex::app
