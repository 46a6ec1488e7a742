// The paste into a real editor (notepad): the program's order of steps, the wait for
// the editor's request, and the text arriving unchanged.

#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/paste_policy.h"
#include "platform/win32/win32_keystrokes.h"

#include <gtest/gtest.h>

#include "clipboard_helpers.h"

namespace sahifex::testing::win32 {
namespace {

using namespace platform::win32;
using Clock = std::chrono::steady_clock;

struct Paste : ::testing::Test {
    Win32Clipboard clipboard;
    Win32KeyboardLayouts layouts;

    // The order of the send paths: clear, set, English, "^v" and wait, Arabic, clear.
    bool sendAsTheProgramDoes(Win32Keystrokes& keystrokes, const std::u16string& text) {
        clipboard.clear();
        clipboard.setText(text);
        layouts.loadAndActivate("00000409");
        const bool taken = keystrokes.sendKeysAndWait("^v");
        layouts.loadAndActivate("00000401");
        clipboard.clear();
        return taken;
    }
};

TEST_F(Paste, VersesArriveInTheEditorByteForByte) {
    Notepad notepad;
    ASSERT_TRUE(notepad.activate());
    Win32Keystrokes keystrokes(clipboard);
    const std::u16string verses[] = {
        u"[بِسْمِ اللَّهِ الرَّحْمَنِ الرَّحِيمِ] الفاتحة:1",
        u"[الْحَمْدُ لِلَّهِ رَبِّ الْعَالَمِينَ] الفاتحة:2",
        u"[اللَّهُ لَا إِلَٰهَ إِلَّا هُوَ الْحَيُّ الْقَيُّومُ] البقرة:255"};
    std::u16string expected;
    for (const auto& verse : verses) {
        EXPECT_TRUE(sendAsTheProgramDoes(keystrokes, verse));
        expected += verse;
    }
    pumpMessagesFor(200);
    EXPECT_EQ(notepad.text(), expected);
}

// Another program copies between the program's set and the keys: the editor would paste
// its text. No keys are sent, and the paste has failed.
TEST_F(Paste, AClipboardTakenBeforeTheKeysIsNotPasted) {
    Notepad notepad;
    ASSERT_TRUE(notepad.activate());
    Win32Keystrokes keystrokes(clipboard);
    ASSERT_TRUE(clipboard.setText(u"[نص] الفاتحة:1"));
    copyAsAnotherProgram(u"raw");
    EXPECT_FALSE(keystrokes.sendKeysAndWait("^v"));
    pumpMessagesFor(200);
    EXPECT_EQ(notepad.text(), u"");
    EXPECT_EQ(readAsAnotherProgram(), u"raw");
}

TEST_F(Paste, WithoutAnEditorTheWaitEndsOnItsBound) {
    Win32Keystrokes keystrokes(clipboard);
    const auto start = Clock::now();
    EXPECT_FALSE(sendAsTheProgramDoes(keystrokes, u"[نص] الفاتحة:1"));
    EXPECT_LT(Clock::now() - start, 2 * platform::PastePolicy::kCap) << "the wait is bounded";
}

} // namespace
} // namespace sahifex::testing::win32
