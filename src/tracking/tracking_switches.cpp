// The switches that start and stop copy tracking.

#include "app/main_window_values.h"
#include "app/options_form.h"
#include "bar/top_bar.h"

namespace sahifex::app {

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
        fitLowerPanel();
    } else if (Check8.value() == 0) {
        Check8.setToolTipText(u"تتبع النسخ لا يعمل");
        fitLowerPanel();
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
    SetKbLayout(kArabicLayout);
    Text1.setText(u"");
    clip.setCaption(u"");
    Timer2.setInterval(0);
    Check7.setValue(0);
}

void Options_Form::Text1_LostFocus() { Timer2.setInterval(kTrackingInterval); }

void Options_Form::emptySearchBoxWhenShown() {
    shown_ = visible();
    windowShown_ = observe([this](forms::Control&, forms::Change change) {
        if (change != forms::Change::Visible || visible() == shown_) return;
        shown_ = visible();
        // A copied word left in the box would take the user's typing after it. A notice
        // shown with the window keeps the box: its term is what Enter searches again.
        if (shown_ && focused() == &Text1 && !Picture1.visible()) Text1.setText(u"");
    });
}

void Options_Form::followTrackingSwitch() {
    trackingSwitch_ = Timer2.observe([this](forms::Control&, forms::Change change) {
        if (change != forms::Change::Interval) return;
        const bool on = Timer2.interval() > 0;
        if (on == trackingOn_) return;
        trackingOn_ = on;
        if (on) {
            // Whatever the clipboard holds now was copied before: it is no request.
            // Any later copy is one, also of the same text again.
            program_.LastClipText.clear();
            clipboardChangesAtStart_ = services_.clipboard.changeCount();
        } else if (hasTopBar()) {
            // The bar's eye shows tracking off, and opens at the first tick once it
            // runs again.
            bar::Top_Bar& bar = topBar();
            bar.Searching.setPicture(bar.Off.picture());
            program_.BlinkPhase = 0;
        }
    });
}

} // namespace sahifex::app
