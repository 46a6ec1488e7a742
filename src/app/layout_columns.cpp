#include "app/layout_columns.h"

#include <initializer_list>

#include "app/options_form.h"

namespace sahifex::app {
namespace {

constexpr int kMargin = 45;
constexpr int kGap = 75;          // between controls stacked under one another
constexpr int kColumnsGap = 135;  // between the two columns; the rule lies in it

// Gives a strip a new width: the controls at its right end (where Arabic text starts)
// keep their distance to that end, and one control may take up the difference.
void setStripWidth(forms::PictureBox& strip, int width,
                   std::initializer_list<forms::Control*> keptRight,
                   forms::Control* stretched) {
    const int delta = width - strip.width();
    strip.setWidth(width);
    for (forms::Control* c : keptRight) c->setLeft(c->left() + delta);
    if (stretched) stretched->setWidth(stretched->width() + delta);
}

void placeSearchAndList(Options_Form& f, int width) {
    f.Title.setLeft(kMargin);
    setStripWidth(f.Title, width, {}, &f.Text1);
    f.SearchAgain.setWidth(f.Text1.width());
    f.List1.setLeft(kMargin);
    f.List1.setWidth(width);
}

// The verse label at (left, top), its send strip under it and the status strip over
// the send strip's lower part, where fitting the window to the verse puts them.
void placeVerse(Options_Form& f, int left, int top, int width) {
    f.Label2.setLeft(left);
    f.Label2.setWidth(width);
    f.Label2.setTop(top);
    f.Pic_send_Ayah.setLeft(left);
    setStripWidth(f.Pic_send_Ayah, width, {&f.SendIt, &f.Label4, &f.Label5}, nullptr);
    f.Pic_send_Ayah.setTop(f.Label2.top() + f.Label2.height() + kGap);
    f.Picture4.setLeft(left);
    setStripWidth(f.Picture4, width, {&f.Label9, &f.Check8, &f.Label8}, &f.clip);
    f.Picture4.setTop(f.Pic_send_Ayah.top() + f.Pic_send_Ayah.height() + kGap -
                      f.Picture4.height());
}

} // namespace

void arrangeOneColumn(Options_Form& f, int windowWidth) {
    const int width = windowWidth - 2 * kMargin;
    placeSearchAndList(f, width);
    placeVerse(f, kMargin, f.List1.top() + f.List1.height() + kGap, width);
    f.Picture8.setWidth(windowWidth);
}

void arrangeTwoColumns(Options_Form& f, int windowWidth) {
    const int width = (windowWidth - 2 * kMargin - kColumnsGap) / 2;
    placeSearchAndList(f, width);
    placeVerse(f, kMargin + width + kColumnsGap, f.List1.top(), width);
    f.Picture8.setWidth(windowWidth);
}

} // namespace sahifex::app
