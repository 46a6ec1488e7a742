// Every state of the main window measured by GDI and drawn by the Win32 view: each
// control whole inside the window and the screen, none over another, at 1024x600 and
// 1280x800.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <optional>

#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/window_registry.h"
#include "support/drawn_program.h"
#include "support/window_walk.h"
#include "view_win32/form_window.h"

namespace sahifex::view_win32 {
namespace {

using MeasuredWindows = testing::DrawnProgram<platform::win32::Win32TextMetrics, platform::win32::WindowRegistry,
                                              FormWindow, WindowStyle::Frameless, WindowStyle::FloatingBar>;

// The window as drawn on the screen, as a 24-bit BMP file.
void saveWindowPicture(HWND window, const std::string& file) {
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ before = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, outer.left, outer.top, SRCCOPY);
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB};
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::string pixels(static_cast<size_t>(rowBytes) * height, '\0');
    GetDIBits(memory, picture, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    SelectObject(memory, before);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(info) + pixels.size()),
                            0, 0, sizeof(BITMAPFILEHEADER) + sizeof(info)};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

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
            EXPECT_EQ(outer.bottom - outer.top,
                      platform::toPixels(w.main->height(), platform::win32::dpiOf(w.mainWindow->handle())))
                << state;
            // With SAHIFEX_SHOTS set, a picture of each state goes into that folder.
            if (const char* shots = std::getenv("SAHIFEX_SHOTS")) {
                UpdateWindow(w.mainWindow->handle());
                MSG message;
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
                saveWindowPicture(w.mainWindow->handle(), std::string(shots) + "/" + std::to_string(width) +
                                                              "x" + std::to_string(height) + " " + state + ".bmp");
            }
        },
        &w.metrics);
    EXPECT_GT(shown, 15);
    EXPECT_EQ(faults, testing::StateFaults{});
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowStatesMeasured,
                         ::testing::Values(std::pair{1024, 600}, std::pair{1280, 800}));

} // namespace
} // namespace sahifex::view_win32
