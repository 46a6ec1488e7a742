// The smaller Windows backends: layouts, the loop's timers, one running copy, topmost,
// text metrics, message boxes and the hand-back of the focus.

#include <gtest/gtest.h>

#include <future>

#include "forms/form.h"
#include "forms/timer.h"
#include "notepad.h"
#include "platform/win32/win32_autostart.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_foreground_window.h"
#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_topmost.h"

namespace sahifex::testing::win32 {
namespace {

using namespace platform::win32;

// The value the session reads at its start, in a key of the test's own.
std::wstring runValue(const wchar_t* key) {
    wchar_t value[512] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key, L"Sahifex", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return L"(none)";
    return value;
}

TEST(Autostart, TheRunValueNamesTheProgramQuotedAndGoesAwayWhenOff) {
    const wchar_t* key = L"Software\\SahifexTest\\Run";
    Win32Autostart autostart(L"C:\\Program Files\\Sahifex\\sahifex.exe", key);
    ASSERT_TRUE(autostart.setEnabled(true));
    EXPECT_EQ(runValue(key), L"\"C:\\Program Files\\Sahifex\\sahifex.exe\"");
    ASSERT_TRUE(autostart.setEnabled(false));
    EXPECT_EQ(runValue(key), L"(none)");
    EXPECT_TRUE(autostart.setEnabled(false)) << "already off is no failure";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\SahifexTest");
}

TEST(Layouts, ActiveLayoutHasAnEightHexDigitName) {
    Win32KeyboardLayouts layouts;
    const std::string name = layouts.activeLayoutName();
    ASSERT_EQ(name.size(), 8u);
    EXPECT_EQ(name.find_first_not_of("0123456789ABCDEFabcdef"), std::string::npos) << name;
}

TEST(Layouts, LoadingTheActiveLayoutKeepsIt) {
    Win32KeyboardLayouts layouts;
    const std::string before = layouts.activeLayoutName();
    layouts.loadAndActivate(before);
    EXPECT_EQ(layouts.activeLayoutName(), before);
}

TEST(EventLoop, TimerTicksWhileRunningAndStopsWithIntervalZero) {
    Win32EventLoop loop;
    forms::Timer timer("Timer2");
    int ticks = 0;
    timer.TimerEvent = [&] {
        if (++ticks == 3) timer.setInterval(0);
    };
    loop.attach(timer);
    timer.setInterval(20);
    for (int i = 0; i < 60; ++i) {
        loop.yield();
        Sleep(10);
    }
    EXPECT_EQ(ticks, 3);
}

TEST(EventLoop, ExitRunsTheLastWordsBeforeEnding) {
    std::string order;
    Win32EventLoop loop([&] { order += "exit"; });
    loop.beforeExit = [&] { order += "render,"; };
    loop.exitNow();
    EXPECT_EQ(order, "render,exit");
}

TEST(SingleInstance, SecondStartEndsAndBringsTheFirstForward) {
    Win32SingleInstance first(L"SahifexTest");
    int knocks = 0;
    first.onSecondStart = [&] { ++knocks; };
    ASSERT_TRUE(first.claim());
    Win32SingleInstance second(L"SahifexTest");
    EXPECT_FALSE(second.claim());
    pumpMessagesFor(100);
    EXPECT_EQ(knocks, 1);
}

TEST(SingleInstance, NameIsFreeAgainWhenTheCopyEnds) {
    { Win32SingleInstance first(L"SahifexTest2"); ASSERT_TRUE(first.claim()); }
    Win32SingleInstance later(L"SahifexTest2");
    EXPECT_TRUE(later.claim());
}

// What the uninstaller does to a running copy: WM_CLOSE to the window it finds by class.
TEST(SingleInstance, CloseToTheRunningCopysWindowEndsItsLoopAfterItsLastWords) {
    Win32SingleInstance running(L"SahifexTest3");
    ASSERT_TRUE(running.claim());
    Win32EventLoop loop([] { FAIL() << "a requested end is not the abrupt one"; });
    bool lastWords = false;
    loop.beforeExit = [&] { lastWords = true; };
    const HWND window = FindWindowExW(HWND_MESSAGE, nullptr, L"SahifexTest3.Running", nullptr);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(loop.run(), 0);
    EXPECT_TRUE(lastWords);
    EXPECT_TRUE(IsWindow(window)) << "the window stays until the copy ends";
}

TEST(Topmost, FormsWindowStaysAboveOthers) {
    OwnWindow window;
    forms::Form form("Top_Bar");
    WindowRegistry windows;
    windows.add(form, window.handle);
    Win32Topmost topmost(windows);
    ASSERT_FALSE(GetWindowLongPtrW(window.handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    topmost.makeTopmost(form);
    EXPECT_TRUE(GetWindowLongPtrW(window.handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(TextMetrics, LongTextWrapsIntoMoreLinesAtANarrowerWidth) {
    Win32TextMetrics metrics;
    const std::u16string verse =
        u"اللَّهُ لَا إِلَٰهَ إِلَّا هُوَ الْحَيُّ الْقَيُّومُ لَا تَأْخُذُهُ سِنَةٌ وَلَا نَوْمٌ";
    const int oneLine = metrics.wrappedTextHeight(u"", 6000, 12);
    EXPECT_GT(oneLine, 0);
    EXPECT_EQ(metrics.wrappedTextHeight(verse, 60000, 12), oneLine);
    EXPECT_GT(metrics.wrappedTextHeight(verse, 3000, 12), 2 * oneLine);
}

// Answers the message box with that title, from another thread, once it shows.
std::future<bool> answerBox(const std::u16string& title, WPARAM button) {
    return std::async(std::launch::async, [title, button] {
        for (int tries = 0; tries < 100; ++tries) {
            if (HWND box = FindWindowW(L"#32770", os::wide(title)))
                return PostMessageW(box, WM_COMMAND, button, 0) != 0;
            Sleep(50);
        }
        return false;
    });
}

TEST(MessageBox, OkAndCancelAreTheUsersAnswers) {
    Win32MessageBox messages;
    const std::u16string title = u"إغلاق البرنامج";
    auto ok = answerBox(title, IDOK);
    EXPECT_TRUE(messages.askOkCancel(u"إغلاق البرنامج يلغي تتبع كلمات المصحف", title));
    EXPECT_TRUE(ok.get());
    auto cancel = answerBox(title, IDCANCEL);
    EXPECT_FALSE(messages.askOkCancel(u"إغلاق البرنامج يلغي تتبع كلمات المصحف", title));
    EXPECT_TRUE(cancel.get());
}

TEST(MessageBox, BelongsToTheProgramsWindowOnTop) {
    OwnWindow other;
    OwnWindow onTop;
    SetWindowPos(onTop.handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const std::u16string title = u"صحيفة";
    auto seen = std::async(std::launch::async, [&] {
        for (int tries = 0; tries < 100; ++tries) {
            if (HWND box = FindWindowW(L"#32770", os::wide(title))) {
                const HWND owner = GetWindow(box, GW_OWNER);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return owner;
            }
            Sleep(50);
        }
        return HWND{};
    });
    Win32MessageBox().showOk(u"مرر الفأرة فوق المفاتيح لمعرفة محتواها ", title);
    EXPECT_EQ(seen.get(), onTop.handle) << "opened above the window that stays on top";
}

TEST(ForegroundWindow, HandsTheFocusBackToTheEditorFromOurWindow) {
    Notepad notepad;
    ASSERT_TRUE(notepad.activate());
    Win32ForegroundWindow foreground;
    foreground.remember();
    OwnWindow ours;
    SetForegroundWindow(ours.handle);
    pumpMessagesFor(200);
    ASSERT_EQ(GetForegroundWindow(), ours.handle);
    foreground.handBack();
    pumpMessagesFor(200);
    EXPECT_EQ(GetForegroundWindow(), notepad.window());
}

} // namespace
} // namespace sahifex::testing::win32
