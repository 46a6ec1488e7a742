// The switches that start and stop copy tracking.

#include "app/options_form.h"

namespace sahifex::app {
namespace {

constexpr int kTrackingInterval = 700;
constexpr int kFastTrackingInterval = 500;

void fitLowerPanel(Options_Form& form) {
    form.Picture8.setHeight(form.height() - form.Picture8.top() - 50);
}

} // namespace

void Options_Form::Check7_Click() {
    if (Check7.value() == 1) {
        Timer2.setInterval(kTrackingInterval);
    } else if (Check7.value() == 0) {
        Timer2.setInterval(0);
        Check2.setVisible(true);
    }
}

void Options_Form::Check8_Click() {
    if (Check8.value() == 1) {
        Check8.setToolTipText(u"تتبع النسخ يعمل");
        Timer2.setInterval(kFastTrackingInterval);
        fitLowerPanel(*this);
    } else if (Check8.value() == 0) {
        Check8.setToolTipText(u"تتبع النسخ لا يعمل");
        fitLowerPanel(*this);
        Timer2.setInterval(0);
    }
}

void Options_Form::Label8_Click() { Check8.setValue(0); }

void Options_Form::StartIt_Click() {
    StartIt.setVisible(false);
    setVisible(false);
    program_.BlinkPhase = 0;
    Timer2.setInterval(kTrackingInterval);
}

// Typing into the search box: Arabic input, an empty box, and no tracking that would
// overwrite what the user types.
void Options_Form::Text1_GotFocus() {
    SetKbLayout("00000401");
    Text1.setText(u"");
    clip.setCaption(u"");
    Timer2.setInterval(0);
    Check7.setValue(0);
}

void Options_Form::Text1_LostFocus() { Timer2.setInterval(kTrackingInterval); }

} // namespace sahifex::app
