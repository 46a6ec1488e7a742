// The keyboard layout switch on the fake layouts.

#include "support/app_fixture.h"

using sahifex::testing::AppFixture;

TEST_F(AppFixture, SetKbLayoutSwitchesBothWays) {
    EXPECT_TRUE(main.SetKbLayout("00000401"));
    EXPECT_EQ(fake.activeLayout, "00000401");
    EXPECT_TRUE(main.SetKbLayout("00000409"));
    EXPECT_EQ(fake.activeLayout, "00000409");
    EXPECT_EQ(fake.logLine(), "layout:00000401 | layout:00000409");
}

TEST_F(AppFixture, SetKbLayoutLoadsNothingForTheActiveLayout) {
    fake.activeLayout = "00000401";
    EXPECT_TRUE(main.SetKbLayout("00000401"));
    EXPECT_EQ(fake.logLine(), "");
}

TEST_F(AppFixture, SetKbLayoutFailsForALayoutThatIsNotInstalled) {
    fake.installedLayouts = {"00000409"};
    EXPECT_FALSE(main.SetKbLayout("00000401"));
    EXPECT_EQ(fake.activeLayout, "00000409");
    EXPECT_EQ(fake.logLine(), "layout:00000401"); // it tried, and nothing changed
}

TEST_F(AppFixture, SetKbLayoutFailsWhenTheLayoutCannotBeRead) {
    // A platform that names no layout: the load is tried, and the result says so.
    struct Unreadable : sahifex::platform::KeyboardLayouts {
        int loads = 0;
        std::string activeLayoutName() override { return ""; }
        void loadAndActivate(const std::string&) override { ++loads; }
    } unreadable;
    sahifex::platform::Services withUnreadable = fake.servicesWith(unreadable, SAHIFEX_DATA_DIR);
    sahifex::app::ProgramState state;
    sahifex::app::Options_Form form(withUnreadable, state);
    EXPECT_FALSE(form.SetKbLayout("00000409"));
    EXPECT_EQ(unreadable.loads, 1);
}
