// The switches that start and stop copy tracking.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::Check7_Click() {}
void Options_Form::Check8_Click() {}
void Options_Form::Label8_Click() {}
void Options_Form::StartIt_Click() {}
void Options_Form::Text1_GotFocus() {}
void Options_Form::Text1_LostFocus() {}

} // namespace sahifex::app
