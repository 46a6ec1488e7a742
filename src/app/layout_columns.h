#pragma once
// Where the result area lies in the window's two layouts, so that every control they
// show lies inside the window.

namespace sahifex::app {

class Options_Form;

// One column across a window of this width: the search strip, the result list, the
// verse with its send strip and the status strip, under one another.
void arrangeOneColumn(Options_Form& form, int windowWidth);
// Two columns across a window of this width: the search strip and the result list on
// the left; the verse with its send strip and the status strip on the right.
void arrangeTwoColumns(Options_Form& form, int windowWidth);

} // namespace sahifex::app
