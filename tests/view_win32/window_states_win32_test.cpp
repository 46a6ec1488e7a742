// Every state of the main window measured by GDI and drawn by the Win32 view: each
// control whole inside the window and the screen, none over another, at 1024x600 and
// 1280x800.

#include <gtest/gtest.h>

#include <optional>

#include "platform/win32/win32_text_metrics.h"
#include "support/window_walk.h"
#include "view_win32/form_window.h"

namespace sahifex::view_win32 {
namespace {

struct MeasuredWindows {
    MeasuredWindows() {
        platform::Services fakes = fake.services(SAHIFEX_DATA_DIR);
        services.emplace(platform::Services{fakes.clipboard, fakes.keystrokes, fakes.layouts,
                                            fakes.topmost, fakes.messages, metrics, fakes.loop,
                                            fakes.screen, fakes.autostart, fakes.programDir});
        main.emplace(*services, program);
        bar.emplace(*services, program, *main);
        main->setTopBar(*bar);
        mainWindow.emplace(*main, WindowStyle::Frameless, windows);
        barWindow.emplace(*bar, WindowStyle::FloatingBar, windows);
    }
    platform::fake::FakeSystem fake;
    platform::win32::Win32TextMetrics metrics;
    platform::win32::WindowRegistry windows;
    std::optional<platform::Services> services;
    app::ProgramState program;
    std::optional<app::Options_Form> main;
    std::optional<bar::Top_Bar> bar;
    std::optional<FormWindow> mainWindow;
    std::optional<FormWindow> barWindow;
};

struct WindowStatesMeasured : ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(WindowStatesMeasured, EveryControlIsWholeAndApartInEveryState) {
    const auto [width, height] = GetParam();
    MeasuredWindows w;
    int shown = 0;
    const testing::StateFaults faults = testing::faultsOfEveryState(
        *w.main, *w.bar, w.fake, width, height, [&](const std::string& state) {
            if (!w.main->visible()) return;
            ++shown;
            // The window drawn is as tall as the form says.
            RECT outer;
            GetWindowRect(w.mainWindow->handle(), &outer);
            EXPECT_EQ(outer.bottom - outer.top, platform::toPixels(w.main->height())) << state;
        });
    EXPECT_GT(shown, 15);
    EXPECT_EQ(faults, testing::StateFaults{});
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowStatesMeasured,
                         ::testing::Values(std::pair{1024, 600}, std::pair{1280, 800}));

} // namespace
} // namespace sahifex::view_win32
