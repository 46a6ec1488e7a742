// Start-up and shutdown of the main window.

#include <cmath>

#include "app/layout_columns.h"
#include "app/main_window_values.h"
#include "app/options_form.h"
#include "bar/top_bar.h"
#include "app/module1.h"
#include "store/long_verse.h"
#include "store/surah_table.h"

namespace sahifex::app {

void Options_Form::Form_Load() {
    // The Arabic layout is loaded once; English is active when start-up goes on.
    SetKbLayout(kArabicLayout);
    Timer2.setInterval(0);
    SetKbLayout(kEnglishLayout);

    program_.LastClipText.clear();
    LongVerseText = std::u16string(store::kLongVersePart1) + std::u16string(store::kLongVersePart2);
    for (int n = 0; n < store::kSurahTableSize; ++n) Combo1.AddItem(store::surahName(n));
    program_.BlinkPhase = -1; // the first tick shows the Off picture
    List3.Clear();
    List4.Clear();
    List5.Clear();

    // The first use of the bar loads it.
    bar::Top_Bar& bar = topBar();
    bar.ensureLoaded();
    bar.setHeight(345);

    setWidth(5515);
    setHeight(1350);
    Picture8.setTop(0);
    fitLowerPanel();
    Module1::MakeTopmost(services_.topmost, *this);

    Title.setTop(45);
    for (forms::Control* c : std::initializer_list<forms::Control*>{&List1, &Label2, &Title, &Pic_send_Ayah})
        c->setWidth(5400);
    for (forms::Control* c : std::initializer_list<forms::Control*>{&List1, &Label2, &Title, &Pic_send_Ayah})
        c->setLeft(45);
    List1.setTop(Title.height() + Title.top() + 50);
    Label2.setTop(List1.height() + List1.top() + 75);
    Pic_send_Ayah.setTop(Label2.height() + Label2.top() + 75);
    // The whole column shows: the list, the verse with its strips, the status strip.
    fitWindowToVerse(*this);

    Picture1.setTop(690);
    Picture1.setLeft(1560);
    Pic_search_settings.setLeft(20);
    Picture6.setLeft(20);

    Text5.setTop(Label2.top());
    Text5.setLeft(Label2.left());
    Text5.setHeight(Label2.height());
    Text5.setWidth(Label2.width());
    Pic_search_settings.setWidth(4545);
    StartIt.setTop(0);
    StartIt.setLeft(0);

    Show();
    // Coming up, the window gives its search box the focus, as the window system does
    // when it first activates it: that runs now, before the settings restore, so that
    // the tracking the restore starts is not stopped by it afterwards.
    Text1.SetFocus();
    const auto& screen = services_.screen;
    setTop(static_cast<int>(std::lround(screen.heightTwips() / 2.0 - height() / 2.0)));
    setLeft(static_cast<int>(std::lround(screen.widthTwips() / 2.0 - width() / 2.0)));

    bar.Show();
    load.setValue(true);
    Command1_Click();

    bar.dockToMain();
}

// Closing the main window only gives the English layout back; the program goes on with
// the floating bar, whose close command ends it.
void Options_Form::Form_Unload(int16_t& /*cancel*/) { SetKbLayout(kEnglishLayout); }

} // namespace sahifex::app
