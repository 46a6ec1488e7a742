// Composing the chosen verse and pasting it into the word processor.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::SendIt_Click() {}
void Options_Form::List1_KeyPress(int16_t&) {}
void Options_Form::DirectSend() {}

} // namespace sahifex::app
