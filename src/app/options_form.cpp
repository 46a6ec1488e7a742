#include "app/options_form.h"

#include "app/settings_place.h"

namespace sahifex::app {

Options_Form::Options_Form(const platform::Services& services, ProgramState& program)
    : forms::Form("Options_Form"), services_(services), program_(program),
      settingsFile_(settingsFilePath(services.programDir)) {
    setMetrics(&services_.metrics);
    design();
    wireHandlers();
    services_.loop.attach(Timer2);
    followTrackingSwitch();
    services_.clipboard.setChangeHandler([this] { clipboardChanged(); });
    emptySearchBoxWhenShown();
    Unload = [this](int16_t& cancel) { Form_Unload(cancel); };
}

Options_Form::~Options_Form() { services_.clipboard.setChangeHandler(nullptr); }

void Options_Form::fitLowerPanel() { Picture8.setHeight(height() - Picture8.top() - 50); }

void Options_Form::wireHandlers() {
    Text1.KeyPress = [this](int16_t& k) { Text1_KeyPress(k); };
    Text1.GotFocus = [this] { Text1_GotFocus(); };
    Text1.LostFocus = [this] { Text1_LostFocus(); };
    Command1.Click = [this] { Command1_Click(); };
    List1.Click = [this] { List1_Click(); };
    List1.KeyPress = [this](int16_t& k) { List1_KeyPress(k); };
    SerachByNumber.Click = [this] { SerachByNumber_Click(); };
    RangeBox.KeyPress = [this](int16_t& k) { RangeBox_KeyPress(k); };
    VerseRanges.Click = [this] { VerseRanges_Click(); };
    SendIt.Click = [this] { SendIt_Click(); };
    Timer2.TimerEvent = [this] { Timer2_Timer(); };
    Check7.Click = [this] { Check7_Click(); };
    Check3.Click = [this] { Check3_Click(); };
    Check8.Click = [this] { Check8_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    StartIt.Click = [this] { StartIt_Click(); };
    save.Click = [this] { save_Click(); };
    load.Click = [this] { load_Click(); };
    Image4.Click = [this] { Image4_Click(); };
    Image1.Click = [this] { Image1_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Label23.Click = [this] { Label23_Click(); };
    Label10.Click = [this] { Label10_Click(); };
    Command11.Click = [this] { Command11_Click(); };
    Command13.Click = [this] { Command13_Click(); };
    Label2.MouseUp = [this](const forms::MouseEvent& e) { Label2_MouseUp(e); };
    SearchAgain.Click = [this] { SearchAgain_Click(); };
}

} // namespace sahifex::app
