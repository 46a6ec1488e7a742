// Every state of the main window, in both layouts and with both panels, on a small and a
// common screen: each control whole inside the window and the screen, none over another,
// the bar on the screen beside the window; and the search box within two clicks of the
// bar whatever state the window was left in.

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
    int reached = 0;
    const StateFaults faults = faultsOfEveryState(main, bar, fake, width, height, [&](const std::string& state) {
        const platform::ScreenArea area = fake.availableArea(0, 0);
        EXPECT_FALSE(bar.left() < area.left || bar.top() < area.top ||
                     bar.left() + bar.width() > area.right()) << state << ": the bar is on the screen";
        EXPECT_FALSE(main.visible() && overlaps(main, bar)) << state << ": the bar lies beside the window";
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
    });
    EXPECT_EQ(reached, 5);
    EXPECT_EQ(faults, StateFaults{});
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowStates,
                         ::testing::Values(std::pair{1024, 600}, std::pair{1280, 800}));

} // namespace
} // namespace sahifex::testing
