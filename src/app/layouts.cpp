// The two layouts of the main window and its panels.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::Image4_Click() {}
void Options_Form::Image1_Click() {}
void Options_Form::Command7_Click() {}
void Options_Form::Label23_Click() {}
void Options_Form::Label10_Click() {}
void Options_Form::Command11_Click() {}
void Options_Form::Command13_Click() {}

} // namespace sahifex::app
