// The switches that start and stop copy tracking: the options' check boxes, the
// tracking check box and its label, the start picture, and the search box's focus.

#include "support/app_fixture.h"

namespace sahifex::testing {
namespace {

struct SwitchesTest : AppFixture {
    SwitchesTest() {
        main.move(1000, 1000, 5515, 2050);
        main.Picture8.setTop(0);
        main.Show();
        fake.clearLog();
    }
};

TEST_F(SwitchesTest, Check7StartsTrackingAt700AndStopsItShowingCheck2) {
    main.Check2.setVisible(false);
    main.Check7.setValue(0);
    EXPECT_EQ(main.Timer2.interval(), 0);
    EXPECT_TRUE(main.Check2.visible());

    main.Check2.setVisible(false);
    main.Check7.setValue(1);
    EXPECT_EQ(main.Timer2.interval(), 700);
    EXPECT_FALSE(main.Check2.visible());
}

TEST_F(SwitchesTest, Check8OnTracksEvery500MsAndFitsTheLowerPanel) {
    main.Picture8.setTop(30);
    main.Check8.setValue(1);
    EXPECT_EQ(utf8(main.Check8.toolTipText()), "تتبع النسخ يعمل");
    EXPECT_EQ(main.Timer2.interval(), 500);
    EXPECT_EQ(main.Picture8.height(), 2050 - 30 - 50);
}

TEST_F(SwitchesTest, Check8OffStopsTrackingAndFitsTheLowerPanel) {
    main.Check8.setValue(1);
    main.setHeight(1130);
    main.Check8.setValue(0);
    EXPECT_EQ(utf8(main.Check8.toolTipText()), "تتبع النسخ لا يعمل");
    EXPECT_EQ(main.Timer2.interval(), 0);
    EXPECT_EQ(main.Picture8.height(), 1130 - 0 - 50);
}

TEST_F(SwitchesTest, Label8UnticksCheck8AndSoStopsTracking) {
    main.Check8.setValue(1);
    main.Label8.fireClick();
    EXPECT_EQ(main.Check8.value(), 0);
    EXPECT_EQ(main.Timer2.interval(), 0);
    EXPECT_EQ(utf8(main.Check8.toolTipText()), "تتبع النسخ لا يعمل");
}

TEST_F(SwitchesTest, Label8WithCheck8AlreadyOffLeavesTheTimerAlone) {
    main.Timer2.setInterval(700); // started by the options' check box
    main.Label8.fireClick();
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(SwitchesTest, TheStartPictureClickedHidesItAndTheWindowAndStartsTracking) {
    main.StartIt.setVisible(true);
    program.BlinkPhase = -1;
    main.StartIt.fireClick();
    EXPECT_FALSE(main.StartIt.visible());
    EXPECT_FALSE(main.visible());
    EXPECT_EQ(program.BlinkPhase, 0);
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(SwitchesTest, TheSearchBoxTakingTheFocusStopsTrackingForTyping) {
    main.Timer2.setInterval(700);
    main.Text1.setText(u"قال");
    main.clip.setCaption(u"نص");
    main.Check2.setVisible(false);
    main.Text1.SetFocus();
    EXPECT_EQ(fake.logLine(), "layout:00000401");
    EXPECT_EQ(fake.activeLayout, "00000401");
    EXPECT_EQ(main.Text1.text(), u"");
    EXPECT_EQ(main.clip.caption(), u"");
    EXPECT_EQ(main.Timer2.interval(), 0);
    EXPECT_EQ(main.Check7.value(), 0);
    EXPECT_TRUE(main.Check2.visible()); // through Check7's click
}

TEST_F(SwitchesTest, TheSearchBoxLosingTheFocusStartsTrackingAt700) {
    main.Text1.SetFocus();
    ASSERT_EQ(main.Timer2.interval(), 0);
    main.List1.SetFocus();
    EXPECT_EQ(main.Timer2.interval(), 700);
}

TEST_F(SwitchesTest, TheSearchBoxTakingTheFocusWithArabicActiveLoadsNothing) {
    fake.activeLayout = "00000401";
    main.Text1.SetFocus();
    EXPECT_EQ(fake.logLine(), "");
    EXPECT_EQ(main.Timer2.interval(), 0);
}

} // namespace
} // namespace sahifex::testing
