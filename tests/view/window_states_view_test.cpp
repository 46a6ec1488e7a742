// Every state of the main window drawn by the Qt view with the program's font: each
// control whole inside the window and the screen, none over another, at 1024x600 and
// 1280x800. With SAHIFEX_SHOTS set, a picture of each state goes into that folder.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/program_font.h"
#include "app/program.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/qt/window_registry.h"
#include "support/drawn_program.h"
#include "support/window_walk.h"
#include "view/form_window.h"

namespace sahifex::view {
namespace {

// The windows on the fakes, but measured and drawn by Qt.
using DrawnWindows = testing::DrawnProgram<platform::qt::QtTextMetrics, platform::qt::WindowRegistry,
                                           FormWindow, WindowStyle::Frameless, WindowStyle::FloatingBar>;

struct WindowStatesDrawn : ::testing::TestWithParam<std::pair<int, int>> {
    WindowStatesDrawn() : font(QApplication::font()) { QApplication::setFont(platform::qt::programFont(10)); }
    ~WindowStatesDrawn() override { QApplication::setFont(font); }
    QFont font;
};

TEST_P(WindowStatesDrawn, EveryControlIsWholeAndApartInEveryState) {
    const auto [width, height] = GetParam();
    DrawnWindows w;
    const QString shots = qEnvironmentVariable("SAHIFEX_SHOTS");
    if (!shots.isEmpty()) QDir().mkpath(shots);
    int shown = 0;
    const testing::StateFaults faults = testing::faultsOfEveryState(
        *w.main, *w.bar, w.fake, width, height, [&](const std::string& state) {
            QCoreApplication::processEvents();
            if (!w.main->visible()) return;
            ++shown;
            // The window drawn is as tall as the form says.
            EXPECT_EQ(w.mainWindow->height(), platform::toPixels(w.main->height())) << state;
            if (!shots.isEmpty())
                w.mainWindow->grab().save(QStringLiteral("%1/%2x%3 %4.png")
                                              .arg(shots).arg(width).arg(height)
                                              .arg(QString::fromStdString(state)));
        },
        &w.metrics);
    EXPECT_GT(shown, 15);
    EXPECT_EQ(faults, testing::StateFaults{});
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowStatesDrawn,
                         ::testing::Values(std::pair{1024, 600}, std::pair{1280, 800}));

} // namespace
} // namespace sahifex::view
