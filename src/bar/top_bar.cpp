#include "bar/top_bar.h"

#include "app/options_form.h"

namespace sahifex::bar {

Top_Bar::Top_Bar(const platform::Services& services, app::ProgramState& program,
                 app::Options_Form& main)
    : forms::Form("Top_Bar"), services_(services), program_(program), main_(main) {
    setMetrics(&services_.metrics);
    design();
    wireHandlers();
}

void Top_Bar::design() {
    setCaption(u"صحيفة");
    setSizable(false);
    move(0, 0, 5384, 885);
    add(Settings);
    Settings.move(300, 0, 315, 285);
    Settings.setPicture(kPictureSettings);
    Settings.setToolTipText(u"خيارات البرنامج");
    // The title strip reaches under the tracking switch, which lies above it.
    add(Title);
    Title.move(2790, 30, 2760, 255);
    Title.setPicture(kPictureTitle);
    add(Searching);
    Searching.move(5055, 15, 300, 285);
    Searching.setPicture(kPictureOff);
    Searching.setToolTipText(u"تتبع النسخ");
    add(Image2);
    Image2.move(30, 30, 225, 300);
    Image2.setToolTipText(u"إغلاق البرنامج");
    add(Onn);
    Onn.move(225, 525, 300, 285);
    Onn.setPicture(kPictureOnn);
    add(Off);
    Off.move(525, 540, 300, 285);
    Off.setPicture(kPictureOff);
    add(Blank);
    Blank.move(1110, 495, 300, 285);
    Blank.setPicture(kPictureBlank);
}

void Top_Bar::wireHandlers() {
    Image2.Click = [this] { Image2_Click(); };
    Searching.Click = [this] { Searching_Click(); };
    Settings.Click = [this] { Settings_Click(); };
    Title.MouseDown = [this](const forms::MouseEvent& e) { Title_MouseDown(e); };
    Title.MouseMove = [this](const forms::MouseEvent& e) { Title_MouseMove(e); };
    Title.DblClick = [this] { Title_DblClick(); };
}

void Top_Bar::ensureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void Top_Bar::Form_Load() { services_.topmost.makeTopmost(*this); }

} // namespace sahifex::bar
