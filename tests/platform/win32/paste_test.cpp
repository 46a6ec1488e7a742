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

// The paste hands the focus back from our window and waits until the editor has taken
// it: keys sent at once would reach our own window.
TEST_F(Paste, TheKeysReachTheEditorTheFocusWasHandedBackTo) {
    Notepad notepad;
    ASSERT_TRUE(notepad.activate());
    Win32ForegroundWindow foreground;
    Win32Keystrokes keystrokes(clipboard, &foreground);
    const std::u16string verse = u"[اللَّهُ الصَّمَدُ] الإخلاص:2";
    for (int paste = 0; paste < 3; ++paste) {
        OwnWindow ours;
        SetForegroundWindow(ours.handle);
        pumpMessagesFor(100);
        ASSERT_EQ(GetForegroundWindow(), ours.handle);
        EXPECT_TRUE(sendAsTheProgramDoes(keystrokes, verse));
    }
    pumpMessagesFor(200);
    EXPECT_EQ(notepad.text(), verse + verse + verse);
}

// Nothing takes the text: the paste has failed (the caller tells the user).
TEST_F(Paste, WithoutAnEditorThePasteFails) {
    Win32Keystrokes keystrokes(clipboard);
    EXPECT_FALSE(sendAsTheProgramDoes(keystrokes, u"[نص] الفاتحة:1"));
}

} // namespace
} // namespace sahifex::testing::win32
