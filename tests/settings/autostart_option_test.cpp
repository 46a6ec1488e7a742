// The option that starts Sahifex with the desktop session, on the fakes, and the XDG
// entry that does it on Linux.

#include "settings/settings_files.h"
#ifndef _WIN32
#include <chrono>
#include <cstdio>
#include <thread>

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
    app::Program nextProgram(nextStart.services(folder.path()));
    app::Options_Form& restored = nextProgram.mainForm;
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

// What a command prints, and whether it ended well.
std::pair<std::string, bool> run(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {"cannot run " + command, false};
    char buffer[256];
    while (const size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    return {output, pclose(pipe) == 0};
}

std::string singleQuoted(const std::string& text) { return "'" + text + "'"; }

// The entry as a desktop session reads it (GLib's launcher, as GNOME's and Xfce's
// sessions do), for programs in folders whose names hold what Exec must quote.
TEST(XdgAutostart, ASessionStartsTheProgramWhateverItsFolderIsCalled) {
    TempFolder config;
    const std::filesystem::path entry = config.path() / "autostart" / "sahifex.desktop";
    const std::filesystem::path started = config.path() / "started";
    for (const std::string folder : {"my \"tools\"", "a `b` $HOME \\c\\", "line\nend", "tab\there",
                                     "; (a) #*? <>|&~ \u0635\u062d\u064a\u0641\u0629"}) {
        SCOPED_TRACE(folder);
        const std::filesystem::path program = config.path() / folder / "sahifex";
        std::filesystem::create_directories(program.parent_path());
        writeBytes(program, "#!/bin/sh\nprintf '%s' \"$0\" > " + singleQuoted(started.string()) + "\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        ASSERT_TRUE(platform::xdg::XdgAutostart(entry.parent_path(), program).setEnabled(true));
        EXPECT_EQ(run("desktop-file-validate " + singleQuoted(entry.string())), std::make_pair(std::string(), true));

        std::filesystem::remove(started);
        ASSERT_EQ(run("gio launch " + singleQuoted(entry.string())), std::make_pair(std::string(), true));
        // The launcher does not wait for the program it starts.
        for (int wait = 0; wait < 100 && readBytes(started) != program.string(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(readBytes(started), program.string());
    }
}

TEST(XdgAutostart, APercentSignIsDoubledAndAPathNoEntryCanHoldIsRefused) {
    TempFolder config;
    const std::filesystem::path entry = config.path() / "sahifex.desktop";
    ASSERT_TRUE(platform::xdg::XdgAutostart(config.path(), "/opt/100%f/sahifex").setEnabled(true));
    EXPECT_NE(readBytes(entry).find("\nExec=\"/opt/100%%f/sahifex\"\n"), std::string::npos) << readBytes(entry);
    EXPECT_EQ(run("desktop-file-validate " + singleQuoted(entry.string())), std::make_pair(std::string(), true));

    // A carriage return, which the session's reading drops, another control, and bytes that
    // are no UTF-8.
    for (const std::string program : {"/opt/a\rb/sahifex", "/opt/a\x01/sahifex", "/opt/\xd8/sahifex"}) {
        std::filesystem::remove(entry);
        EXPECT_FALSE(platform::xdg::XdgAutostart(config.path(), program).setEnabled(true));
        EXPECT_FALSE(std::filesystem::exists(entry));
    }
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
