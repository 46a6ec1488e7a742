// The option that starts Sahifex with the desktop session, on the fakes, and the XDG
// entry that does it on Linux.

#include "settings/settings_files.h"
#ifndef _WIN32
#include "platform/xdg/xdg_autostart.h"
#endif
#include "support/app_fixture.h"

namespace sahifex::testing {
namespace {

using AutostartOption = AppFixture;

TEST_F(AutostartOption, TickingSetsItAtOnceAndASavedTickIsSetAgainAtTheNextStart) {
    main.Check3.userClick();
    main.Check3.userClick();
    EXPECT_EQ(fake.logLine(), "autostart:on | autostart:off");

    TempFolder folder;
    writeBytes(folder.path() / "Sahifex.ini", "0*0*16*12*0*1*0*0*1*1*0*\r\n");
    platform::fake::FakeSystem nextStart;
    const platform::Services services = nextStart.services(folder.path());
    app::ProgramState state;
    app::Options_Form restored(services, state);
    bar::Top_Bar bar(services, state, restored);
    restored.setTopBar(bar);
    restored.load.setValue(true);
    EXPECT_EQ(restored.Check3.value(), 1);
    EXPECT_NE(nextStart.logLine().find("autostart:on"), std::string::npos);
}

TEST_F(AutostartOption, WhenItCannotBeSetTheBoxGoesBackAndTheUserIsTold) {
    fake.autostartWritable = false;
    main.Check3.userClick();
    EXPECT_EQ(main.Check3.value(), 0);
    EXPECT_EQ(fake.logLine(), "autostart failed | message:تعذّر ضبط تشغيل البرنامج مع بدء جلسة "
                              "سطح المكتب|إعادة التشغيل");
}

#ifndef _WIN32
TEST(XdgAutostart, TheEntryStartsThisProgramAndGoesAwayWhenTheOptionIsOff) {
    TempFolder config;
    const auto folder = config.path() / "autostart";
    platform::xdg::XdgAutostart autostart(folder, "/opt/my \"tools\"/sahifex");
    ASSERT_TRUE(autostart.setEnabled(true));
    const std::string entry = readBytes(folder / "sahifex.desktop");
    EXPECT_NE(entry.find("\nExec=\"/opt/my \\\\\"tools\\\\\"/sahifex\"\n"), std::string::npos)
        << entry;
    EXPECT_EQ(entry.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    ASSERT_TRUE(autostart.setEnabled(false));
    EXPECT_FALSE(std::filesystem::exists(folder / "sahifex.desktop"));
    EXPECT_TRUE(autostart.setEnabled(false)) << "already off is no failure";
}

TEST(XdgAutostart, AFolderThatCannotBeMadeIsAFailure) {
    TempFolder config;
    writeBytes(config.path() / "autostart", "a file where the folder should be");
    platform::xdg::XdgAutostart autostart(config.path() / "autostart", "/usr/bin/sahifex");
    EXPECT_FALSE(autostart.setEnabled(true));
}

#endif

} // namespace
} // namespace sahifex::testing
