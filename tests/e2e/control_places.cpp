#include "control_places.h"

#include <algorithm>
#include <cmath>

namespace sahifex::e2e {
namespace {

constexpr double kTwipsPerPixel = 15;

int pixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

} // namespace

PixelRect placeOf(const forms::Control& control) {
    PixelRect rect{pixels(control.left()), pixels(control.top()), pixels(control.width()),
                   pixels(control.height())};
    for (const forms::Container* c = control.parent(); c && c->kind() != forms::Kind::Form;
         c = c->parent()) {
        rect.x += pixels(c->left());
        rect.y += pixels(c->top());
    }
    return rect;
}

ControlPlaces::ControlPlaces(const std::string& programDir)
    : services_(fake_.services(programDir)), main_(services_, program_),
      bar_(services_, program_, main_) {
    main_.setTopBar(bar_);
    main_.Form_Load();
}

void ControlPlaces::openOptions() {
    if (main_.Pic_search_settings.visible()) return;
    main_.Text1.setText(u"خيارات");
    main_.Command1_Click();
}

PixelRect ControlPlaces::resultList(const std::u16string& word) {
    main_.Text1.setText(word);
    main_.Command1_Click();
    return placeOf(main_.List1);
}

PixelRect ControlPlaces::optionsCheck(forms::CheckBox app::Options_Form::*box) {
    openOptions();
    return placeOf(main_.*box);
}

PixelRect ControlPlaces::saveButton() {
    openOptions();
    return placeOf(main_.save);
}

int ControlPlaces::mainHeight() const { return pixels(main_.height()); }

int ControlPlaces::outerHeightWithOptions() {
    openOptions();
    int bottom = 0;
    for (const forms::Control* c : main_.Pic_search_settings.children())
        if (c->visible()) bottom = std::max(bottom, placeOf(*c).y + placeOf(*c).height);
    return bottom;
}

PixelRect ControlPlaces::sendImage(int outerHeight) {
    forms::PictureBox& strip = main_.Pic_send_Ayah;
    strip.setTop(static_cast<int>(outerHeight * kTwipsPerPixel) - 75 - strip.height());
    return placeOf(main_.SendIt);
}

PixelRect ControlPlaces::searchBoxAboveOptions() {
    openOptions();
    return placeOf(main_.Text1);
}

} // namespace sahifex::e2e
