#pragma once
// Where the controls of the two windows lie, in pixels of the window's client area,
// taken from the forms model itself: both windows are built on the fake platform and
// brought into the state the test needs, as the program's own windows are.

#include <string>

#include "app/program.h"
#include "platform/fake/fake_system.h"

namespace sahifex::e2e {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    int centerX() const { return x + width / 2; }
    int centerY() const { return y + height / 2; }
};

// The dots per inch of the screen the program draws on: SAHIFEX_E2E_DPI, else 96.
int screenDpi();

// The control's rectangle relative to its form's client area, each container's offset
// rounded to pixels as the view places its widgets.
PixelRect placeOf(const forms::Control& control);

class ControlPlaces {
public:
    explicit ControlPlaces(const std::string& programDir);
    // After start-up.
    PixelRect searchBox() { return placeOf(main_.Text1); }
    PixelRect trackingCheck() { return placeOf(main_.Check8); }
    PixelRect barSearching() { return placeOf(bar_.Searching); }
    PixelRect barClose() { return placeOf(bar_.Image2); }
    PixelRect barSettings() { return placeOf(bar_.Settings); }
    PixelRect barTitle() { return placeOf(bar_.Title); }
    PixelRect searchButton() { return placeOf(main_.Command1); }
    // The main window's outer size after start-up.
    PixelRect mainWindow();
    // The result list once the word has been searched for.
    PixelRect resultList(const std::u16string& word);
    // Opens the options panel as the bar's gear does; the places below then follow it.
    void openOptionsFromTheBar() { bar_.Settings_Click(); }
    // The main window's outer height in pixels in the state the places follow.
    int mainHeight() const;
    // With the options panel opened by its command word, unless it is open already.
    PixelRect optionsCheck(forms::CheckBox app::Options_Form::*box);
    PixelRect saveButton();
    // The least outer height in pixels that holds the whole options panel.
    int outerHeightWithOptions();
    // The send image once a chosen verse has fitted the window to outerHeight pixels:
    // the window ends 75 twips below the send strip.
    PixelRect sendImage(int outerHeight) { return inSendStrip(main_.SendIt, outerHeight); }
    // The multi-verse panel's label in the same strip.
    PixelRect moreVersesLabel(int outerHeight) { return inSendStrip(main_.Label23, outerHeight); }
    // The multi-verse panel's controls, with its range box ticked on, once the panel is
    // opened over the list of the word's verses.
    struct RangePanel {
        PixelRect surahPicker, rangeBox, send;
        int outerHeight = 0; // the main window's, with the panel
    };
    RangePanel rangePanelOver(const std::u16string& word);
    // The search box, which the open options panel leaves uncovered above it.
    PixelRect searchBoxAboveOptions();

private:
    void openOptions();
    PixelRect inSendStrip(const forms::Control& control, int outerHeight);

    platform::fake::FakeSystem fake_;
    app::Program program_;
    app::Options_Form& main_ = program_.mainForm;
    bar::Top_Bar& bar_ = program_.topBar;
};

} // namespace sahifex::e2e
