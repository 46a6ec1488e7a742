// Every state of the main window, in both layouts and with both panels, on a small and a
// common screen: each control whole inside the window and the screen, none over another,
// the bar on the screen beside the window; and the search box within two clicks of the
// bar whatever state the window was left in.

#include <map>

#include "support/app_fixture.h"
#include "support/window_walk.h"

namespace sahifex::testing {
namespace {

struct WindowStates : AppFixture, ::testing::WithParamInterface<std::pair<int, int>> {};

bool overlaps(const forms::Control& a, const forms::Control& b) {
    return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() &&
           a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

TEST_P(WindowStates, EveryControlIsWholeAndApartInEveryState) {
    const auto [width, height] = GetParam();
    std::map<std::string, std::vector<std::string>> faults;
    int reached = 0;
    WindowWalk walk{main, bar, fake, [&](const std::string& state) {
        const platform::ScreenArea area = fake.availableArea(0, 0);
        std::vector<std::string> found = windowFaults(main, &area);
        if (bar.left() < area.left || bar.top() < area.top || bar.left() + bar.width() > area.right())
            found.push_back("the bar reaches out of the screen");
        if (main.visible() && overlaps(main, bar)) found.push_back("the bar lies over the window");
        if (!found.empty()) faults[state] = found;
        // From the gear, or from the options panel closed, one click into the search
        // box: it is shown, no panel lies over it, and it takes the focus empty.
        if (state.rfind("the gear", 0) == 0 || state == "the options panel closed") {
            EXPECT_TRUE(main.visible() && main.Text1.visible()) << state;
            for (const forms::Control* panel : {&main.Pic_search_settings, &main.Picture6, &main.Picture1})
                EXPECT_FALSE(panel->visible() && overlaps(*panel, main.Title)) << state << " " << panel->name();
            main.Text1.setText(u"كلمة");
            main.Text1.SetFocus();
            EXPECT_EQ(main.focused(), &main.Text1) << state;
            EXPECT_EQ(main.Text1.text(), u"") << state;
            main.Command1.SetFocus(); // the user goes on to the search button
            ++reached;
        }
    }};
    walk.run(width, height);
    EXPECT_EQ(reached, 5);
    EXPECT_EQ(faults, (std::map<std::string, std::vector<std::string>>{}));
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowStates,
                         ::testing::Values(std::pair{1024, 600}, std::pair{1280, 800}));

} // namespace
} // namespace sahifex::testing
