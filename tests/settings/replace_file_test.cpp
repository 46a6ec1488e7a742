// Replacing the settings file whole, and the faults on the way.

#include <gtest/gtest.h>

#include <chrono>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "os/replace_file.h"
#include "settings/settings_files.h"

namespace sahifex::testing {
namespace {

using Names = std::vector<std::string>;

TEST(ReplaceFile, ReplacesTheOldFileAndLeavesNothingElse) {
    TempFolder folder;
    const auto file = folder.path() / "Sahifex.ini";
    ASSERT_TRUE(os::replaceFile(file, "first\r\n"));
    ASSERT_TRUE(os::replaceFile(file, "second\r\n"));
    EXPECT_EQ(readBytes(file), "second\r\n");
    EXPECT_EQ(entriesOf(folder.path()), Names{"Sahifex.ini"});
}

TEST(ReplaceFile, MakesAMissingFolder) {
    TempFolder folder;
    const auto file = folder.path() / "config" / "sahifex" / "Sahifex.ini";
    ASSERT_TRUE(os::replaceFile(file, "x*\r\n"));
    EXPECT_EQ(readBytes(file), "x*\r\n");
}

TEST(ReplaceFile, FailsWhereNoFolderCanBe) {
    TempFolder folder;
    writeBytes(folder.path() / "plain", "a regular file");
    EXPECT_FALSE(os::replaceFile(folder.path() / "plain" / "Sahifex.ini", "x*\r\n"));
    EXPECT_EQ(readBytes(folder.path() / "plain"), "a regular file");
    EXPECT_EQ(entriesOf(folder.path()), Names{"plain"});
}

#ifdef _WIN32
TEST(ReplaceFile, AFileAnotherProgramHoldsKeepsItsOldBytes) {
    TempFolder folder;
    const auto file = folder.path() / "Sahifex.ini";
    const std::string old = "6240*3285*16*12*1*0*1*0*1*1*0*\r\n";
    writeBytes(file, old);
    {
        const HeldOpen byAnotherProgram(file);
        EXPECT_FALSE(os::replaceFile(file, "4000*2000*20*14*0*1*0*1*0*0*1*\r\n"));
    }
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(entriesOf(folder.path()), Names{"Sahifex.ini"}) << "no temporary file is left";
}
#else
// The limit's signal would end the program: the save fails instead, and says so.
TEST(ReplaceFile, AWriteFailingHalfwayKeepsTheOldFileWhole) {
    TempFolder folder;
    const auto file = folder.path() / "Sahifex.ini";
    const std::string old = "6240*3285*16*12*1*0*1*0*1*1*0*\r\n";
    writeBytes(file, old);
    {
        const FileSizeLimit fullDisk(4);
        EXPECT_FALSE(os::replaceFile(file, "4000*2000*20*14*0*1*0*1*0*0*1*\r\n"));
    }
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(entriesOf(folder.path()), Names{"Sahifex.ini"}) << "no temporary file is left";
}

TEST(ReplaceFile, ANewFileTakesTheUserUmaskAndAReplacedOneKeepsItsPermissions) {
    TempFolder folder;
    const auto file = folder.path() / "Sahifex.ini";
    const auto permissionsOf = [&] { return std::filesystem::status(file).permissions(); };
    using std::filesystem::perms;
    const mode_t userUmask = umask(077);
    ASSERT_TRUE(os::replaceFile(file, "first\r\n"));
    EXPECT_EQ(permissionsOf(), perms::owner_read | perms::owner_write);
    std::filesystem::remove(file);
    umask(027);
    ASSERT_TRUE(os::replaceFile(file, "first\r\n"));
    EXPECT_EQ(permissionsOf(), perms::owner_read | perms::owner_write | perms::group_read);
    std::filesystem::permissions(file, perms::owner_read | perms::owner_write | perms::others_read);
    ASSERT_TRUE(os::replaceFile(file, "second\r\n"));
    EXPECT_EQ(permissionsOf(), perms::owner_read | perms::owner_write | perms::others_read);
    umask(userUmask);
}
#endif

TEST(ReplaceFile, RemovesTheTemporaryFilesThatCutOffReplacementsLeft) {
    TempFolder folder;
    const auto file = folder.path() / "Sahifex.ini";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    // Left by saves cut off an hour ago, one under way, and files that are not ours.
    for (const char* name : {"Sahifex.ini.Ab3xY9", "Sahifex.ini.000000", "Sahifex.ini.QQQQQQ", "Sahifex.ini.bak",
                             "Sahifex.ini.Ab3xY", "Sahifex.ini.Ab3-Y9", "Other.ini.Ab3xY9"}) {
        writeBytes(folder.path() / name, "x");
        if (name != std::string("Sahifex.ini.QQQQQQ")) std::filesystem::last_write_time(folder.path() / name, old);
    }
    std::filesystem::create_directory(folder.path() / "Sahifex.ini.Folder");
#ifndef _WIN32
    // Windows lets no program set a folder's time; a new folder is no less a folder.
    std::filesystem::last_write_time(folder.path() / "Sahifex.ini.Folder", old);
#endif

    ASSERT_TRUE(os::replaceFile(file, "x*\r\n"));
    EXPECT_EQ(entriesOf(folder.path()), (Names{"Other.ini.Ab3xY9", "Sahifex.ini", "Sahifex.ini.Ab3-Y9",
                                              "Sahifex.ini.Ab3xY", "Sahifex.ini.Folder", "Sahifex.ini.QQQQQQ",
                                              "Sahifex.ini.bak"}));
}

} // namespace
} // namespace sahifex::testing
