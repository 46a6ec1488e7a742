#include "app/layout_columns.h"

#include <algorithm>
#include <initializer_list>

#include "app/options_form.h"
#include "bar/top_bar.h"

namespace sahifex::app {
namespace {

constexpr int kMargin = 45;
constexpr int kGap = 75;          // between controls stacked under one another
constexpr int kColumnsGap = 135;  // between the two columns; the rule lies in it
constexpr int kPanelOverhang = 25; // a panel reaches this far past the result list's sides
constexpr int kPanelHeight = 2160; // what the panels' controls need
constexpr int kVerseFontSize = 14;
constexpr int kSmallestVerseFontSize = 7;
constexpr int kSurahNameWidth = 1050; // what most names need

// Gives a strip a new width: the controls at its right end (where Arabic text starts)
// keep their distance to that end, and one control may take up the difference.
void setStripWidth(forms::Container& strip, int width,
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

// The send strip under the verse, and the status strip over the send strip's lower
// part, which holds no control.
void placeStripsUnderVerse(Options_Form& f) {
    f.Pic_send_Ayah.setTop(f.Label2.top() + f.Label2.height() + kGap);
    f.Picture4.setTop(f.Pic_send_Ayah.top() + f.Pic_send_Ayah.height() + kGap -
                      f.Picture4.height());
}

// The verse label at (left, top), its send strip under it and the status strip over
// the send strip's lower part, where fitting the window to the verse puts them.
void placeVerse(Options_Form& f, int left, int top, int width) {
    f.Label2.setLeft(left);
    f.Label2.setWidth(width);
    f.Label2.setTop(top);
    f.Pic_send_Ayah.setLeft(left);
    setStripWidth(f.Pic_send_Ayah, width, {&f.SendIt, &f.Label4, &f.Label5}, nullptr);
    fitReferenceLabels(f);
    f.Picture4.setLeft(left);
    setStripWidth(f.Picture4, width, {&f.Label9, &f.Check8, &f.Label8}, &f.clip);
    placeStripsUnderVerse(f);
}

// The height the screen leaves the main window under the floating bar docked above it.
int roomOnScreen(Options_Form& f) {
    const platform::ScreenArea area = f.services().screen.availableArea(
        f.left() + f.width() / 2, f.top() + f.height() / 2);
    const bool bar = f.hasTopBar() && f.topBar().visible();
    return area.height - (bar ? f.topBar().height() + bar::Top_Bar::kDockGap : 0);
}

// The verse in its own font size, or in a smaller one while the window, with `below`
// twips under the verse, would be taller than the screen; at the smallest size the
// label is cut to the room left.
void fitVerseToScreen(Options_Form& f, int below) {
    forms::Label& verse = f.Label2;
    if (verse.fontSize() != kVerseFontSize) verse.setFontSize(kVerseFontSize);
    const int room = roomOnScreen(f);
    auto tooTall = [&] { return verse.top() + verse.height() + below > room; };
    while (tooTall() && verse.fontSize() > kSmallestVerseFontSize)
        verse.setFontSize(verse.fontSize() - 1);
    if (tooTall()) verse.setHeight(std::max(0, room - below - verse.top()));
}

void growTo(Options_Form& f, int height) {
    if (f.height() >= height) return;
    f.setHeight(height);
    f.fitLowerPanel();
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

void fitReferenceLabels(Options_Form& f) {
    forms::Label& name = f.Label4;
    const int right = name.left() + name.width();
    const int needed = f.services().metrics.lineWidth(name.caption(), name.fontSize()) + kMargin;
    name.setWidth(std::max(kSurahNameWidth, needed));
    name.setLeft(right - name.width());
    f.Label5.setLeft(name.left() - kMargin - f.Label5.width());
    f.Label23.setWidth(f.Label5.left() - kMargin - f.Label23.left());
}

void fitWindowToVerse(Options_Form& f) {
    fitVerseToScreen(f, kGap + f.Pic_send_Ayah.height() + kGap);
    // The hint of a layout has served once a verse is chosen.
    f.LayoutHint.setVisible(false);
    f.Pic_send_Ayah.setTop(f.Label2.top() + f.Label2.height() + kGap);
    int height = f.Pic_send_Ayah.top() + f.Pic_send_Ayah.height() + kGap;
    // In the wide layout the list's column may be the taller one.
    if (f.List1.visible()) height = std::max(height, f.List1.top() + f.List1.height() + kMargin);
    f.setHeight(height);
    f.Picture4.setTop(height - f.Picture4.height());
}

void fitWindowToLayout(Options_Form& f) {
    forms::Label& hint = f.LayoutHint;
    const int statusOverSend = f.Pic_send_Ayah.height() + kGap - f.Picture4.height();
    fitVerseToScreen(f, kGap + statusOverSend + f.Picture4.height() + kGap + hint.height() + kGap);
    placeStripsUnderVerse(f);
    hint.setTop(std::max(hint.top(), f.Picture4.top() + f.Picture4.height() + kGap));
    growTo(f, hint.top() + hint.height() + kMargin);
}

void placePanel(Options_Form& f, forms::PictureBox& panel) {
    const int top = f.Title.top() + f.Title.height();
    // Its controls keep their place at its right end, where Arabic starts.
    const int width = f.List1.width() + 2 * kPanelOverhang;
    const int delta = width - panel.width();
    for (forms::Control* c : panel.children()) c->setLeft(c->left() + delta);
    panel.setWidth(width);
    panel.setLeft(f.List1.left() - kPanelOverhang);
    // Over the one column the panel hides everything under the search strip: the window
    // takes the panel's height. Beside the verse's column it keeps the verse whole.
    const bool overTheVerse = f.Label2.left() < panel.left() + panel.width();
    if (overTheVerse && f.height() != top + kPanelHeight) {
        f.setHeight(top + kPanelHeight);
        f.fitLowerPanel();
    }
    growTo(f, top + kPanelHeight);
    panel.setTop(top);
    panel.setHeight(f.height() - top);
}

} // namespace sahifex::app
