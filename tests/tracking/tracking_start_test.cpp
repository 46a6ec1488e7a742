// Tracking that starts while the clipboard holds an older copy: at start-up, and when an
// option's click takes the focus from the search box. Only a later copy is pasted.

#include "settings/settings_files.h"
#include "support/app_fixture.h"

namespace sahifex::testing {
namespace {

// A word found in exactly one verse: taken as a request, it is pasted at once.
const std::u16string kWord = u"الصمد";

// The program's folder: the verse files and settings saved with the clipboard option on.
struct ProgramFolder {
    ProgramFolder() {
        for (const char* name : {"QuranV.Qur", "QuranT.Qur"})
            std::filesystem::copy_file(std::filesystem::path(SAHIFEX_DATA_DIR) / name,
                                       folder.path() / name);
        writeBytes(folder.path() / "Sahifex.ini", "0*0*16*12*0*0*0*0*1*1*0*\r\n");
    }
    TempFolder folder;
};

struct TrackingStart : ProgramFolder, AppFixture {
    TrackingStart() : AppFixture(folder.path()) {}
    void ticks(int n) { fake.advance(n * 700); }
};

TEST_F(TrackingStart, TheTextCopiedBeforeStartUpIsNotPastedALaterCopyIs) {
    fake.userCopies(kWord);
    main.Form_Load();
    ASSERT_GT(main.Timer2.interval(), 0) << "start-up turns tracking on";
    ticks(4);
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_EQ(main.Text1.text(), u"");

    fake.userCopies(u"مدهامتان");
    ticks(2);
    EXPECT_EQ(fake.pasted.size(), 1u);
}

TEST_F(TrackingStart, TickingAnOptionWithAWordCopiedWhileTrackingWasOffPastesNothing) {
    main.Form_Load();
    main.Label8_Click(); // tracking off
    ASSERT_EQ(main.Timer2.interval(), 0);
    fake.userCopies(kWord);
    ticks(3);
    bar.Settings_Click();
    ASSERT_EQ(main.focused(), &main.Text1);
    // The click on the option takes the focus from the search box, which starts tracking.
    main.focusChangedByUser(&main.Check2);
    main.Check2.setValue(1);
    ASSERT_GT(main.Timer2.interval(), 0);
    ticks(3);
    EXPECT_TRUE(fake.pasted.empty());
    EXPECT_TRUE(main.Pic_search_settings.visible()) << "the options stay open";
}

TEST_F(TrackingStart, AWordCopiedWhileTheWindowWasHiddenIsNotInTheBoxWhenItComesBackForTyping) {
    main.Form_Load();
    ASSERT_EQ(main.focused(), &main.Text1);
    main.Hide();
    fake.userCopies(u"abc"); // taken into the box, no search
    ticks(2);
    ASSERT_EQ(main.Text1.text(), u"abc");
    bar.Settings_Click();
    ASSERT_TRUE(main.visible());
    EXPECT_EQ(main.Text1.text(), u"") << "the user's typing would go after it";
}

} // namespace
} // namespace sahifex::testing
