// Showing the selected result row.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::List1_Click() {}

} // namespace sahifex::app
