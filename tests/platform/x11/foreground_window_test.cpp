// The window the user works in: followed as the user moves from editor to editor, and
// never one of the program's own windows or a window of another running copy.

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "platform/x11/x11_foreground_window.h"
#include "platform/x11/x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace sahifex::testing::x11 {
namespace {

using platform::x11::X11ForegroundWindow;

// A window of another copy of the program: its class in WM_CLASS is the program's.
class OtherCopysWindow {
public:
    OtherCopysWindow() : display_(XOpenDisplay(nullptr)) {
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 600, 100, 200, 100,
                                      0, 0, 0xffffff);
        XClassHint hint{const_cast<char*>("sahifex"), const_cast<char*>("Sahifex")};
        XSetClassHint(display_, window_, &hint);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~OtherCopysWindow() { XCloseDisplay(display_); }
    OtherCopysWindow(const OtherCopysWindow&) = delete;
    OtherCopysWindow& operator=(const OtherCopysWindow&) = delete;
    Window window() const { return window_; }

private:
    Display* display_;
    ::Window window_ = 0;
};

struct Foreground : ::testing::Test {
    void SetUp() override {
        std::string error;
        foreground = X11ForegroundWindow::create(error);
        ASSERT_TRUE(foreground) << error;
    }
    // Lets the backend see what the window system announced, or look at the focus.
    void settle() { processEventsFor(400); }

    std::unique_ptr<X11ForegroundWindow> foreground;
};

TEST_F(Foreground, FollowsTheUserFromEditorToEditorPastOurOwnWindow) {
    Mousepad a, b;
    ASSERT_NO_FATAL_FAILURE(a.focus());
    settle();
    ASSERT_NO_FATAL_FAILURE(b.focus());
    settle();
    // The user clicks into our window, which takes the focus.
    QWidget ours;
    ours.setGeometry(700, 100, 300, 200);
    ours.show();
    ASSERT_TRUE(waitUntil([&] { return ours.isVisible() && ours.windowHandle()->isExposed(); },
                          5000));
    run("xdotool mousemove --window " + std::to_string(ours.winId()) + " 50 50 click 1");
    processEventsFor(100);
    ours.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return !focusIsIn(b.window()); }, 5000));
    settle();
    EXPECT_EQ(foreground->userWindow(), b.window()) << "the last editor, not the first";
    ASSERT_NO_FATAL_FAILURE(a.focus());
    settle();
    EXPECT_EQ(foreground->userWindow(), a.window());
}

TEST_F(Foreground, AWindowOfAnotherCopyIsNeverTheUsers) {
    Mousepad editor;
    ASSERT_NO_FATAL_FAILURE(editor.focus());
    settle();
    OtherCopysWindow other;
    ASSERT_NO_FATAL_FAILURE(giveFocus(other.window()));
    settle();
    EXPECT_EQ(foreground->userWindow(), editor.window());
}

} // namespace
} // namespace sahifex::testing::x11
