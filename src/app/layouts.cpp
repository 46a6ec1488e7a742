// The two layouts of the main window and its panels. Every animation is a loop of small
// steps that yields to the event loop between them, so timer ticks and clicks run in
// the middle of a switch or a slide.

#include <cmath>

#include "app/layout_columns.h"
#include "app/main_window_values.h"
#include "app/options_form.h"
#include "forms/scoped_flag.h"

namespace sahifex::app {
namespace {

// The layout is told from the window's width, compared as single precision.
constexpr float kWideBelowWidth = 4765;
constexpr float kNarrowAboveWidth = 7965;

constexpr int kWideHeight = 2625;
constexpr int kNarrowHeight = 4840;
constexpr int kWideWidth = 9165;    // where the widening ends
constexpr int kNarrowWidth = 4650;  // where the narrowing ends
constexpr int kLowerPanelOffset = 400;
constexpr int kRuleLeftNarrow = 30;

// Moves a panel up from the window's bottom edge into the place it was given. It
// yields before each step.
void slidePanel(Options_Form& f, forms::Control& panel) {
    const double end = panel.top();
    panel.setTop(f.height());
    for (double t = f.height(); t >= end; t -= 0.5) {
        f.services().loop.yield();
        panel.setTop(static_cast<int>(std::lround(t)));
    }
}

} // namespace

void Options_Form::Image4_Click() {
    Pic_search_settings.setVisible(false);
    Picture6.setVisible(false);
    if (SearchAgain.visible()) SearchAgain_Click();
    // A second switch nested in the yields of a running one would leave the geometry
    // of both layouts mixed (a wide height and outline in a narrow window, the hint
    // below the window's edge) and Check4 naming the other layout: it is not started.
    if (layoutSwitching_) return;
    const forms::ScopedFlag switching(layoutSwitching_);
    auto& loop = services_.loop;

    const auto w = static_cast<float>(width());
    if (w < kWideBelowWidth) {
        Check4.setValue(1);
        LayoutHint.setVisible(false);
        Image4.setPicture(Image5.picture());
        for (int width = 4665; width <= 9210; width += 100) {
            setWidth(width);
            loop.yield();
        }
        for (int left = kRuleLeftNarrow; left <= kColumnRuleLeftWide; left += 10) {
            ColumnRule.setLeft(left);
            loop.yield();
        }
        arrangeTwoColumns(*this, kWideWidth);
        for (int t = 1740; t >= 15; t -= 10) {
            Picture8.setTop(t + kLowerPanelOffset);
            loop.yield();
        }
        setHeight(kWideHeight);
        fitLowerPanel();
        Shape3.setTop(285);
        Shape3.setWidth(9150);
        Shape3.setHeight(2330);
        Shape3.setLeft(15);
        LayoutHint.move(4620, 2130, 4410, 405);
        LayoutHint.setVisible(true);
        fitWindowToLayout(*this);
    } else if (w > kNarrowAboveWidth) {
        Check4.setValue(0);
        LayoutHint.setVisible(false);
        for (int t = 15; t <= 1740; t += 10) {
            Picture8.setTop(t + kLowerPanelOffset);
            loop.yield();
        }
        setHeight(kNarrowHeight);
        fitLowerPanel();
        // The rule goes behind the single column at once: nothing shows it moving.
        for (int left = kColumnRuleLeftWide; left >= kRuleLeftNarrow; --left) ColumnRule.setLeft(left);
        arrangeOneColumn(*this, kNarrowWidth);
        Image4.setPicture(Image6.picture());
        for (int width = 9210; width >= 4565; width -= 190) {
            setWidth(width);
            loop.yield();
        }
        Shape3.setTop(285);
        Shape3.setWidth(4635);
        Shape3.setHeight(4050);
        Shape3.setLeft(15);
        LayoutHint.move(120, 4380, 4410, 405);
        LayoutHint.setVisible(true);
        fitWindowToLayout(*this);
    }
}

// The options panel under the search strip, which stays within reach; the multi-verse
// panel gives the search box back first.
void Options_Form::openOptionsPanel() {
    if (SearchAgain.visible()) SearchAgain_Click();
    Picture1.setVisible(false);
    placePanel(*this, Pic_search_settings);
    Pic_search_settings.setVisible(true);
}

void Options_Form::Image1_Click() {
    openOptionsPanel();
    slidePanel(*this, Pic_search_settings);
}

// Closes the options panel and leaves the search box, with the window fitted again to
// what the panel covered.
void Options_Form::Command7_Click() {
    Pic_search_settings.setVisible(false);
    fitWindowToVerse(*this);
}

void Options_Form::Label23_Click() {
    Pic_search_settings.setVisible(false);
    Picture1.setVisible(false);
    Text1.setVisible(false);
    SearchAgain.move(Text1.left(), Text1.top(), Text1.width(), Text1.height());
    SearchAgain.setVisible(true);
    placePanel(*this, Picture6);
    Picture6.setVisible(true);
    slidePanel(*this, Picture6);
    // A switch or a search during the slide may have hidden the panel or the window:
    // the surah picker then cannot take the focus.
    if (Picture6.visible() && visible()) Combo1.SetFocus();
}

// Back from the multi-verse panel to the search box.
void Options_Form::SearchAgain_Click() {
    Picture6.setVisible(false);
    SearchAgain.setVisible(false);
    Text1.setVisible(true);
    fitWindowToVerse(*this);
}

void Options_Form::Label10_Click() { Picture1.setVisible(false); }

void Options_Form::Command11_Click() {
    Label2.setTop(Label2.top() - 100);
    Label2.setHeight(Label2.height() + 100);
}

void Options_Form::Command13_Click() {
    services_.messages.showOk(u"مرر الفأرة فوق المفاتيح لمعرفة محتواها ", caption());
}

void Options_Form::Label2_MouseUp(const forms::MouseEvent& /*e*/) {}

} // namespace sahifex::app
