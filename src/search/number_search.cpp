// The search by surah name and verse number, which pastes the verse after a copied
// reference.

#include "app/options_form.h"

namespace sahifex::app {

void Options_Form::SerachByNumber_Click() {}

} // namespace sahifex::app
