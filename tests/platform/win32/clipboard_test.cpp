// The Windows clipboard backend against other programs: its promised text, texts they
// copied, and a clipboard they hold open.

#include "platform/win32/win32_clipboard.h"

#include <vector>

#include <gtest/gtest.h>

#include "clipboard_helpers.h"

namespace sahifex::testing::win32 {
namespace {

using platform::win32::Win32Clipboard;
using Clock = std::chrono::steady_clock;

const std::u16string kVerse = u"[قُلْ هُوَ اللَّهُ أَحَدٌ] الإخلاص:1";

TEST(Clipboard, PromisedTextReachesAnotherProgramWhenItAsks) {
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.setText(kVerse));
    EXPECT_EQ(clipboard.renderRequests(), 0u);
    EXPECT_EQ(readAsAnotherProgram(), kVerse);
    EXPECT_EQ(clipboard.renderRequests(), 1u);
}

TEST(Clipboard, ReadingOurOwnTextDoesNotLookLikeTheEditorsRequest) {
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.setText(kVerse));
    EXPECT_EQ(clipboard.text(), kVerse);
    EXPECT_EQ(clipboard.renderRequests(), 0u);
}

TEST(Clipboard, ReadsWhatAnotherProgramCopiedExactly) {
    Win32Clipboard clipboard;
    clipboard.setText(u"ours");
    const std::u16string copied = u"البقرة:255\r\n";
    copyAsAnotherProgram(copied);
    EXPECT_EQ(clipboard.text(), copied);
}

TEST(Clipboard, ATextLongerThanAnyRequestIsToldApartAndEveryCopyIsCounted) {
    Win32Clipboard clipboard;
    const std::u16string longest(platform::kLongestClipboardText, u'ب');
    copyAsAnotherProgram(longest);
    const auto changes = clipboard.changeCount();
    EXPECT_EQ(clipboard.text(), longest);
    copyAsAnotherProgram(std::u16string(1 << 20, u'ب'));
    EXPECT_TRUE(platform::isTooLongClipboardText(clipboard.text()));
    // The same text copied again is a change too.
    copyAsAnotherProgram(u"كلمة");
    const auto afterFirst = clipboard.changeCount();
    copyAsAnotherProgram(u"كلمة");
    EXPECT_EQ(clipboard.text(), u"كلمة");
    EXPECT_GT(afterFirst, changes);
    EXPECT_GT(clipboard.changeCount(), afterFirst);
}

TEST(Clipboard, ClearedClipboardReadsEmpty) {
    Win32Clipboard clipboard;
    copyAsAnotherProgram(u"كلمة");
    clipboard.clear();
    EXPECT_EQ(clipboard.text(), u"");
    EXPECT_EQ(readAsAnotherProgram(), u"");
}

TEST(Clipboard, WaitsForAProgramThatHoldsItOpenBriefly) {
    Win32Clipboard clipboard;
    bool written = false;
    {
        ClipboardHolder holder(std::chrono::milliseconds(60));
        written = clipboard.setText(kVerse);
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(readAsAnotherProgram(), kVerse);
}

TEST(Clipboard, GivesUpSoonOnAProgramThatHoldsItOpen) {
    Win32Clipboard clipboard;
    ClipboardHolder holder(std::chrono::milliseconds(2000));
    const auto start = Clock::now();
    EXPECT_FALSE(clipboard.setText(kVerse));
    EXPECT_EQ(clipboard.text(), u"");
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
}

TEST(Clipboard, TellsOfAnotherProgramsCopyOnceItsTextReadsButNotOfItsOwnWrites) {
    Win32Clipboard clipboard;
    std::vector<std::u16string> told;
    clipboard.setChangeHandler([&] { told.push_back(clipboard.text()); });
    ASSERT_TRUE(clipboard.setText(kVerse));
    clipboard.clear();
    pumpMessagesFor(200);
    copyAsAnotherProgram(u"كلمة");
    pumpMessagesFor(200);
    EXPECT_EQ(told, std::vector<std::u16string>{u"كلمة"});
}

TEST(Clipboard, PromisedTextOutlivesTheProgram) {
    {
        Win32Clipboard clipboard;
        ASSERT_TRUE(clipboard.setText(kVerse));
    }
    EXPECT_EQ(readAsAnotherProgram(), kVerse);
}

} // namespace
} // namespace sahifex::testing::win32
