// Replacing the settings file whole, and the faults on the way.

#include <gtest/gtest.h>

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
#endif

} // namespace
} // namespace sahifex::testing
