#include "app/keep_on_screen.h"

#include <algorithm>

#include "app/options_form.h"
#include "bar/top_bar.h"

namespace sahifex::app {

namespace {

bool overlaps(const forms::Control& a, const forms::Control& b) {
    return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() &&
           a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

} // namespace

KeepOnScreen::KeepOnScreen(Options_Form& form)
    : form_(form), lastWidth_(form.width()), lastHeight_(form.height()),
      subscription_(form.observe([this](forms::Control&, forms::Change change) { changed(change); })) {}

void KeepOnScreen::changed(forms::Change change) {
    if (change == forms::Change::Visible && form_.visible()) fit();
    if (change != forms::Change::Geometry) return;
    const bool grew = form_.width() > lastWidth_ || form_.height() > lastHeight_;
    lastWidth_ = form_.width();
    lastHeight_ = form_.height();
    if (grew) fit();
}

void KeepOnScreen::fit() {
    if (!form_.visible() || form_.windowState() != forms::Normal) return;
    const platform::ScreenArea area = form_.services().screen.availableArea(
        form_.left() + form_.width() / 2, form_.top() + form_.height() / 2);
    bar::Top_Bar* bar = form_.hasTopBar() && form_.topBar().visible() ? &form_.topBar() : nullptr;
    // The band above the window that the docked bar takes, when both fit.
    const int barBand = bar ? bar->height() + bar::Top_Bar::kDockGap : 0;
    const int highestTop =
        area.top + (form_.height() + barBand <= area.height ? barBand : 0);

    const int left = std::max(area.left, std::min(form_.left(), area.right() - form_.width()));
    const int top = std::max(highestTop, std::min(form_.top(), area.bottom() - form_.height()));
    if (left == form_.left() && top == form_.top()) return;

    const bool barFollows = bar && bar->dockedToMain();
    form_.setLeft(left);
    form_.setTop(top);
    if (bar && (barFollows || overlaps(*bar, form_))) bar->dockToMain();
}

} // namespace sahifex::app
