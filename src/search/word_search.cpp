// The word search and the key filter of the search box.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::Text1_KeyPress(int16_t&) {}
void Options_Form::Command1_Click() {}

} // namespace sahifex::app
