#pragma once
// Takes both windows through every state a user meets: first start, a search, the
// widest surah name, a verse
// pasted at once and the gear, the options panel's "x", the command word, a word not
// found, the multi-verse panel, both layouts with both panels, and the longest verse,
// on a screen of the given size. After each state the caller looks at the windows.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "platform/fake/fake_system.h"
#include "platform/twips.h"
#include "support/window_faults.h"

namespace sahifex::testing {

struct WindowWalk {
    app::Options_Form& main;
    bar::Top_Bar& bar;
    platform::fake::FakeSystem& fake;
    // Called after every state with its name.
    std::function<void(const std::string& state)> look;

    void search(const std::u16string& word) {
        main.Text1.setText(word);
        main.Command1_Click();
    }
    // The user clicks into the search box.
    void clickSearchBox() { main.Text1.SetFocus(); }

    void run(int screenWidthPixels, int screenHeightPixels) {
        fake.screenWidth = platform::toTwips(screenWidthPixels);
        fake.screenHeight = platform::toTwips(screenHeightPixels);
        main.Form_Load();
        look("first start");
        search(u"الرحمن الرحيم");
        look("a search");
        search(u"سجين"); // two verses of the surah of the widest name
        look("the widest surah name");
        search(u"يئوده"); // one verse: pasted at once, the window hides
        bar.Settings_Click();
        look("the gear after a paste");
        main.Command7.fireClick();
        look("the options panel closed");
        search(u"خيارات");
        look("the command word");
        bar.Settings_Click();
        look("the gear after the command word");
        search(u"زززز");
        look("a word not found");
        search(u"الرحمن الرحيم");
        main.Label23.fireClick();
        look("the multi-verse panel");
        main.SearchAgain.fireClick();
        search(u"أقسط"); // 2:282, the longest verse, first
        look("the longest verse");
        for (const char* layout : {"wide", "narrow"}) {
            main.setWidth(layout == std::string("wide") ? 4700 : 8000);
            main.Image4.fireClick();
            const std::string in = std::string(" in the ") + layout + " layout";
            look("the switch" + in);
            main.Image1.fireClick();
            look("the options panel" + in);
            main.Label23.fireClick();
            look("the multi-verse panel" + in);
            main.SearchAgain.fireClick();
            search(u"الرحمن الرحيم");
            look("a search" + in);
            search(u"أقسط");
            look("the longest verse" + in);
            bar.Settings_Click();
            look("the gear" + in);
            main.Command7.fireClick();
        }
    }
};

using StateFaults = std::map<std::string, std::vector<std::string>>;

// Walks the windows on a screen of that size and gathers the main window's faults by
// state (captions too, measured by the metrics given); `look` sees each state after its
// faults are taken.
inline StateFaults faultsOfEveryState(app::Options_Form& main, bar::Top_Bar& bar,
                                      platform::fake::FakeSystem& fake, int screenWidth,
                                      int screenHeight,
                                      const std::function<void(const std::string&)>& look,
                                      const forms::TextMetrics* metrics = nullptr) {
    StateFaults faults;
    WindowWalk walk{main, bar, fake, [&](const std::string& state) {
        const platform::ScreenArea area = fake.availableArea(0, 0);
        std::vector<std::string> found = windowFaults(main, &area, metrics);
        if (!found.empty()) faults[state] = found;
        look(state);
    }};
    walk.run(screenWidth, screenHeight);
    return faults;
}

} // namespace sahifex::testing
