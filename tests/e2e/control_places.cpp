#include "control_places.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sahifex::e2e {
namespace {

double twipsPerPixel() { return 1440.0 / screenDpi(); }

int pixels(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

} // namespace

int screenDpi() {
    const char* dpi = std::getenv("SAHIFEX_E2E_DPI");
    const int chosen = dpi ? std::atoi(dpi) : 0;
    return chosen > 0 ? chosen : 96;
}

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
    : program_(fake_.services(programDir)) {
    main_.Form_Load();
}

PixelRect ControlPlaces::mainWindow() {
    return {0, 0, pixels(main_.width()), pixels(main_.height())};
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

PixelRect ControlPlaces::inSendStrip(const forms::Control& control, int outerHeight) {
    forms::PictureBox& strip = main_.Pic_send_Ayah;
    strip.setTop(static_cast<int>(outerHeight * twipsPerPixel()) - 75 - strip.height());
    return placeOf(control);
}

ControlPlaces::RangePanel ControlPlaces::rangePanelOver(const std::u16string& word) {
    main_.VerseRanges.setValue(1);
    resultList(word);
    main_.Label23_Click();
    return {placeOf(main_.Combo1), placeOf(main_.RangeBox), placeOf(main_.SerachByNumber),
            mainHeight()};
}

PixelRect ControlPlaces::searchBoxAboveOptions() {
    openOptions();
    return placeOf(main_.Text1);
}

} // namespace sahifex::e2e
