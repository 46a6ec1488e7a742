// The main window kept whole on the screen when it grows or is shown, with the
// floating bar above it; and the notice panel held whole by the window.

#include "support/app_fixture.h"

#include "app/notice_panel.h"

#include <utility>

namespace {

using sahifex::testing::AppFixture;

constexpr int kPixel = 15;

struct KeepOnScreen : AppFixture {
    KeepOnScreen() {
        // A 1280x800 screen with a 30-pixel panel along its top.
        fake.screenWidth = 1280 * kPixel;
        fake.screenHeight = 800 * kPixel;
        fake.available = {0, 30 * kPixel, 1280 * kPixel, 770 * kPixel};
        main.move(6000, 5000, 5515, 1350);
        main.Show();
        bar.setHeight(345);
        bar.Show();
        bar.dockToMain();
    }
    int areaBottom() const { return fake.available.bottom(); }
    void expectWholeOnScreen() {
        EXPECT_GE(main.left(), fake.available.left);
        EXPECT_GE(main.top(), fake.available.top);
        EXPECT_LE(main.left() + main.width(), fake.available.right());
        EXPECT_LE(main.top() + main.height(), areaBottom());
    }
    void expectBarDockedAboveOnScreen() {
        EXPECT_TRUE(bar.dockedToMain());
        EXPECT_GE(bar.top(), fake.available.top);
        EXPECT_LE(bar.top() + bar.height(), main.top()) << "the bar covers no part of the window";
    }
};

TEST_F(KeepOnScreen, AWindowGrownPastTheBottomMovesUpWholeWithTheBarAboveIt) {
    const int tall = 9300; // the height a long verse gives it
    main.setHeight(tall);
    EXPECT_EQ(main.height(), tall) << "never shrunk";
    expectWholeOnScreen();
    EXPECT_EQ(main.top() + main.height(), areaBottom()) << "moved no further than needed";
    expectBarDockedAboveOnScreen();
}

TEST_F(KeepOnScreen, AWindowGrownPastTheRightEdgeMovesLeft) {
    main.setLeft(1100 * kPixel);
    bar.dockToMain(); // as the bar's drag leaves it
    const int top = main.top();
    main.setWidth(9210);
    expectWholeOnScreen();
    EXPECT_EQ(main.top(), top);
    EXPECT_TRUE(bar.dockedToMain()) << "the docked bar goes along";
}

TEST_F(KeepOnScreen, AWindowTooTallForTheBarBandTakesTheTopAndKeepsItsHeight) {
    main.setHeight(760 * kPixel);
    EXPECT_EQ(main.top() + main.height(), areaBottom());
    main.setHeight(900 * kPixel);
    EXPECT_EQ(main.top(), fake.available.top) << "its search strip stays on the screen";
    EXPECT_EQ(main.height(), 900 * kPixel);
}

TEST_F(KeepOnScreen, MovesAloneStayAndAHiddenWindowIsFittedWhenShown) {
    main.setTop(780 * kPixel); // dragged mostly below the screen's edge
    bar.dockToMain();
    EXPECT_EQ(main.top(), 780 * kPixel) << "the user's drag is the user's";
    main.Hide();
    main.setHeight(2050);
    EXPECT_EQ(main.top(), 780 * kPixel);
    main.Show();
    expectWholeOnScreen();
    expectBarDockedAboveOnScreen();
}

TEST_F(KeepOnScreen, ABarAwayFromTheWindowStaysAndTheGrownWindowMakesRoomUnderIt) {
    bar.setTop(fake.available.top);
    bar.setLeft(0);
    main.setLeft(0);
    main.setTop(fake.available.top); // placed under the bar
    main.setHeight(2100);
    expectWholeOnScreen();
    EXPECT_EQ(bar.top(), fake.available.top);
    EXPECT_EQ(bar.left(), 0);
    EXPECT_LE(bar.top() + bar.height(), main.top()) << "the bar covers no part of the window";
}

TEST_F(KeepOnScreen, ALongNoticeSpansTheListAndGrowsTheWindowToHoldThePanel) {
    main.setHeight(1350);
    const auto& panel = main.Picture1;
    const int designLeft = panel.left();
    const int designWidth = panel.width();
    sahifex::app::showNotice(main, sahifex::app::verseFileFault("/somewhere/QuranV.Qur"));
    ASSERT_GT(main.Label10.height(), 330) << "the sample needs more than one line";
    EXPECT_EQ(std::pair(panel.left(), panel.width()), std::pair(main.List1.left(), main.List1.width()));
    EXPECT_LE(main.Label10.left() + main.Label10.width(), panel.width());
    EXPECT_LE(main.Label10.top() + main.Label10.height(), panel.height());
    EXPECT_LT(panel.top() + panel.height(), main.height());
    EXPECT_LT(main.Picture8.top() + main.Picture8.height(), main.height()) << "the lower panel follows";
    expectWholeOnScreen();

    const int height = main.height();
    sahifex::app::showNotice(main, u"غير موجودة");
    EXPECT_EQ(main.height(), height) << "a short notice leaves the window as it is";
    EXPECT_EQ(std::pair(panel.left(), panel.width()), std::pair(designLeft, designWidth))
        << "a one-line notice stands where it was designed to";
}

} // namespace
