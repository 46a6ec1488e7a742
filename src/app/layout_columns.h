#pragma once
// Where the result area lies in the window's two layouts, and how tall the window is
// for what it shows, so that every control it shows lies whole inside the window and
// the window whole on the screen.

namespace sahifex::forms { class PictureBox; }

namespace sahifex::app {

class Options_Form;

// One column across a window of this width: the search strip, the result list, the
// verse with its send strip and the status strip, under one another.
void arrangeOneColumn(Options_Form& form, int windowWidth);
// Two columns across a window of this width: the search strip and the result list on
// the left; the verse with its send strip and the status strip on the right.
void arrangeTwoColumns(Options_Form& form, int windowWidth);

// The window fitted to the chosen verse: its send strip under it and the status strip
// at the window's bottom edge. A verse too tall for the screen is shown in a smaller font.
void fitWindowToVerse(Options_Form& form);
// After a layout switch: the layout's height, or more when the verse, its strips and
// the hint under them need it.
void fitWindowToLayout(Options_Form& form);
// The surah's name whole in the send strip: its label grows leftwards past its design
// width when the name needs it, the verse number beside it, and the link to the
// multi-verse panel takes the room left.
void fitReferenceLabels(Options_Form& form);
// A panel (the options or the multi-verse panel) in the result area, under the search
// strip and down to the window's bottom edge, so that it hides whole whatever lies
// there; the window takes the panel's height over the one column, and grows to hold the
// panel's controls beside the verse's column.
void placePanel(Options_Form& form, forms::PictureBox& panel);

} // namespace sahifex::app
