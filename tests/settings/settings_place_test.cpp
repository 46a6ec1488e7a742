// Where the settings file lives.

#include <gtest/gtest.h>

#include "settings/settings_files.h"
#include "app/settings_place.h"

namespace sahifex::testing {
namespace {

namespace fs = std::filesystem;

struct SettingsPlace : ::testing::Test {
    TempFolder folder;
    // A folder nobody can write, root included: its parent is a regular file.
    fs::path unwritable() {
        writeBytes(folder.path() / "plain", "");
        return folder.path() / "plain" / "program";
    }
};

TEST_F(SettingsPlace, BesideTheProgramWhenItsFolderIsWritable) {
    const ScopedEnv config(kConfigVariable, (folder.path() / "config").string());
    EXPECT_EQ(app::settingsFilePath(folder.path()), folder.path() / "Sahifex.ini");
}

TEST_F(SettingsPlace, InTheUsersConfigurationWhenTheProgramsFolderIsNot) {
    const fs::path program = unwritable();
    {
        const ScopedEnv config(kConfigVariable, (folder.path() / "config").string());
        EXPECT_EQ(app::settingsFilePath(program), folder.path() / "config" / "sahifex" / "Sahifex.ini");
    }
#ifndef _WIN32
    const ScopedEnv home("HOME", (folder.path() / "home").string());
    for (const std::string unusable : {"", "relative/config"}) {
        const ScopedEnv config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(app::settingsFilePath(program), folder.path() / "home/.config/sahifex/Sahifex.ini")
            << "XDG_CONFIG_HOME=" << unusable;
    }
#endif
}

TEST_F(SettingsPlace, AMissingProgramFolderIsNotWritable) {
    const ScopedEnv config(kConfigVariable, (folder.path() / "config").string());
    EXPECT_EQ(app::settingsFilePath(folder.path() / "gone"),
              folder.path() / "config" / "sahifex" / "Sahifex.ini");
}

} // namespace
} // namespace sahifex::testing
